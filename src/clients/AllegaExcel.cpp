#include "clients/AllegaExcel.h"

#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/ResultLine.h"
#include "core/text/TextRules.h"
#include "core/text/Amounts.h"
#include "ui/lists/RecordListView.h"
#include "ui/lists/ListPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

LineFormat serviceLine() {
    // clang-format off
    return LineFormat(Archives::services())
        .text(QStringLiteral("Data: ")).field("Data", 10)
        .text(QStringLiteral("   Ora: ")).field("Ora", 5)
        .text(QStringLiteral("   Servizi: ")).field("Servizi", 54)
        .text(QStringLiteral("  Agente: ")).field("Agente", 28)
        .text(QStringLiteral("  Costo: € ")).field("Importo");
    // clang-format on
}

EntrySpec servicesSpec() {
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    return {
        .objectName = "frmAllegaExcel",
        .caption = QStringLiteral(" Riepilogo servizi forniti"),
        .glyph = Artwork::Glyph::Clients,
        .bannerTitle = QStringLiteral("SERVIZI FORNITI"),
        .bannerLine = QStringLiteral("I servizi prestati al cliente, con il totale degli importi pagati."),
        .layout = &Archives::services(),
        .fields = {{.control = "txtData",
                    .field = "Data",
                    .caption = QStringLiteral("Data:"),
                    .maxLength = 10,
                    .whenEmpty = need + QStringLiteral("la data in cui è stato fornito il servizio."),
                    .width = 120},
                   {.control = "txtOra",
                    .field = "Ora",
                    .caption = QStringLiteral("Ora:"),
                    .maxLength = 5,
                    .whenEmpty = need + QStringLiteral("l'ora in cui è stato fornito il servizio."),
                    .width = 70,
                    .besidePrevious = true},
                   {.control = "txtServizi",
                    .field = "Servizi",
                    .caption = QStringLiteral("Servizi:"),
                    .maxLength = 54,
                    .whenEmpty = need + QStringLiteral("i servizi forniti.")},
                   {.control = "txtAgente",
                    .field = "Agente",
                    .caption = QStringLiteral("Agente:"),
                    .maxLength = 28,
                    .whenEmpty = need + QStringLiteral("il nome dell'agente che ha fornito il servizio.")},
                   {.control = "txtImporto",
                    .field = "Importo",
                    .caption = QStringLiteral("Importo: €"),
                    .maxLength = 15,
                    .input = FieldInput::Amount,
                    .initial = QStringLiteral("0,00"),
                    .whenEmpty = need + QStringLiteral("l'importo pagato dal cliente."),
                    .width = 160}},
        .buttons = {{"impData", "txtData", CardIcons::Symbol::Calendar, QStringLiteral("Data odierna"),
                     []() { return Formats::dateText(Clock::today()); }},
                    {"impOra", "txtOra", CardIcons::Symbol::AlarmClock, QStringLiteral("Ora attuale"),
                     []() { return Formats::shortTimeText(Clock::now().time()); }}},
        .addText = QStringLiteral("Aggiungi voce"),
        .changeText = QStringLiteral("Modifica voce"),
        .totalCaption = QStringLiteral("Totale importi:"),
    };
}

} // namespace

TfrmAllegaExcel::TfrmAllegaExcel(QWidget *parent, qint64 clientNumber, const QString &clientName)
    : ListEntry(parent, servicesSpec()), m_client(clientNumber), m_name(Text::trim(clientName)) {
    txtData = edit("txtData");
    txtOra = edit("txtOra");
    txtServizi = edit("txtServizi");
    txtAgente = edit("txtAgente");
    txtImporto = edit("txtImporto");
    impData = button("impData");
    impOra = button("impOra");
    txtImporto->setText(QStringLiteral("0,00"));
    lblTotale->setText(QStringLiteral("0,00"));
    connect(list->btnStampa, &QPushButton::clicked, this, &TfrmAllegaExcel::btnStampaClick);
    list->lstRecords->setColumnsInView(0); // the cost ends the line
}

QString TfrmAllegaExcel::leftOutText(int n) {
    return n == 1 ? QStringLiteral("1 voce con importo non leggibile non è compresa nel totale")
                  : QString::number(n) + QStringLiteral(" voci con importo non leggibile non sono comprese "
                                                        "nel totale");
}

void TfrmAllegaExcel::buildList() {
    lblTitolo->setText(QStringLiteral("Servizi forniti a ") + m_name);
    // Opening the services creates the file of a client that has none yet.
    setFile(ProgramFolder::file(Archives::servicesFileName(m_client)));
    // Every service with an amount is listed; one whose amount cannot be read
    // stays out of the total, and the screen says so.
    const RecordLayout &layout = Archives::services();
    const int amount = layout.indexOf("Importo");
    qint64 total = 0; // in cents, each entry rounded once as the year's overview does
    int unreadable = 0;
    listSource(serviceLine(), [&](const char *record) {
        const QString text = decodeField(layout, record, amount);
        if (text.isEmpty())
            return false;
        bool ok = false;
        Amounts::read(text, &ok);
        if (ok)
            total += Amounts::hundredths(text);
        else
            ++unreadable;
        return true;
    });
    lblTotale->setText(QStringLiteral("€ ") + Amounts::hundredthsText(total));
    setLeftOut(unreadable > 0 ? leftOutText(unreadable) : QString());
}

void TfrmAllegaExcel::btnStampaClick() {
    print(QStringLiteral("Riepilogo servizi forniti a ") + m_name,
          QStringLiteral("TOTALE IMPORTI:    ") + Text::trim(lblTotale->text()));
}
