#include "contracts/card/ContractCompany.h"

#include "contracts/card/ContractSettings.h"
#include "ui/platform/Messages.h"

ContractCompany::ContractCompany(QWidget *screen)
    : m_screen(screen), m_form(screen, &ContractSettings::path, ContractSettings::companySection(),
                               ContractSettings::companyKeys()) {}

void ContractCompany::write() {
    if (!m_form.write())
        Messages::warning(m_screen, notSavedText());
}

QString ContractCompany::notSavedText() {
    return QStringLiteral(
        "Attenzione: non è stato possibile salvare i dati dell'impresa di pulizie nel file "
        "Contratti.ini.\n\r\n\rI dati restano visualizzati nella schermata fino alla chiusura del programma: "
        "accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}
