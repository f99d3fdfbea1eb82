#include "employees/register/Lavori_Svolti.h"

#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "employees/register/WorkFile.h"
#include "employees/register/WorkLine.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListModel.h"
#include "ui/lists/RecordListView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kNeed = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");

EntrySpec registerSpec(std::function<bool()> check) {
    return {
        .objectName = "frmLavori_Svolti",
        .caption = QStringLiteral(" Registro prestazioni lavorative del dipendente"),
        .glyph = Artwork::Glyph::People,
        .bannerTitle = QStringLiteral("REGISTRO PRESTAZIONI"),
        .bannerLine = QStringLiteral("Le prestazioni lavorative svolte dal dipendente, con il loro numero."),
        .layout = &Archives::works(),
        .fields = {{.control = "txtData",
                    .field = "Data",
                    .caption = QStringLiteral("Data:"),
                    .maxLength = 10,
                    .width = 130},
                   {.control = "txtAttivita",
                    .field = "Attivita",
                    .caption = QStringLiteral("Attività svolta:"),
                    .maxLength = 46,
                    .whenEmpty = kNeed + QStringLiteral("la tipologia di prestazione svolta.")},
                   {.control = "txtLuogo",
                    .field = "Luogo",
                    .caption = QStringLiteral("Luogo:"),
                    .maxLength = 28,
                    .whenEmpty = kNeed + QStringLiteral("il luogo in cui la prestazione è stata svolta.")},
                   {.control = "txtOrario",
                    .field = "Orario",
                    .caption = QStringLiteral("Orario:"),
                    .maxLength = 26,
                    .whenEmpty = kNeed + QStringLiteral("l'orario in cui la prestazione è stata svolta.")},
                   {.control = "txtTotOre",
                    .field = "TotOre",
                    .caption = QStringLiteral("Totale ore:"),
                    .maxLength = 3,
                    .input = FieldInput::Digits,
                    .whenEmpty = kNeed + QStringLiteral("la durata totale in ore della prestazione svolta."),
                    .width = 70}},
        .buttons = {{"impOggi", "txtData", CardIcons::Symbol::Import, QStringLiteral("Data odierna"),
                     []() { return Formats::dateText(Clock::now().date()); }}},
        .addText = QStringLiteral("Aggiungi attività"),
        .changeText = QStringLiteral("Modifica attività"),
        .totalCaption = QStringLiteral("TOTALE LAVORI SVOLTI"),
        .check = std::move(check),
    };
}

} // namespace

TfrmLavori_Svolti::TfrmLavori_Svolti(QWidget *parent, const QString &employee, const QString &taxCode)
    : ListEntry(parent, registerSpec([this]() { return checkDate(); })), m_employee(Text::trim(employee)),
      m_taxCode(Text::trim(taxCode)) {
    txtData = edit("txtData");
    txtAttivita = edit("txtAttivita");
    txtLuogo = edit("txtLuogo");
    txtOrario = edit("txtOrario");
    txtTotOre = edit("txtTotOre");
    impOggi = button("impOggi");
    lblTitolo->setText(QStringLiteral("Registro prestazioni lavorative del dipendente"));
    lblTotale->setText(QStringLiteral("0"));
    connect(list->btnStampa, &QPushButton::clicked, this, &TfrmLavori_Svolti::btnStampaClick);
    list->lstRecords->setColumnsInView(0); // the time and the hours end the line
}

// The date comes first, and must be one.
bool TfrmLavori_Svolti::checkDate() {
    const QString date = Text::trim(txtData->text());
    if (date.isEmpty()) {
        Messages::warning(this, kNeed + QStringLiteral("la data in cui la prestazione è stata svolta."));
        txtData->setFocus();
        return false;
    }
    if (!Formats::parseDate(date).isValid()) {
        Messages::plain(this, QStringLiteral("Attenzione: la data ") + date +
                                  QStringLiteral(" non è riconosciuta.\n\r\n\rPer poter salvare la scheda è "
                                                 "necessario indicare una data valida nel formato "
                                                 "gg/mm/aaaa."));
        txtData->setFocus();
        return false;
    }
    return true;
}

// Every activity with a date, in file order; the file is created when missing
// (where the folder allows).
void TfrmLavori_Svolti::buildList() {
    lblTotale->setText(QStringLiteral("0"));
    lblTitolo->setText(QStringLiteral("Registro prestazioni lavorative di ") + m_employee);
    setFile(WorkFile::path(m_taxCode));
    const int date = Archives::works().indexOf("Data");
    listSource(WorkLine::format(),
               [date](const char *record) { return !fieldBytes(Archives::works(), record, date).isEmpty(); });
    lblTotale->setText(QString::number(list->lstRecords->listModel()->count()));
}

void TfrmLavori_Svolti::btnStampaClick() {
    print(QStringLiteral("Registro prestazioni lavorative di ") + m_employee,
          QStringLiteral("TOTALE PRESTAZIONI:    ") + Text::trim(lblTotale->text()));
}
