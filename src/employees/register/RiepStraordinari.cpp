#include "employees/register/RiepStraordinari.h"

#include "core/records/Archives.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "employees/card/EmployeesHelp.h"
#include "employees/card/EmployeesLook.h"
#include "employees/register/WorkFile.h"
#include "employees/register/WorkLine.h"
#include "reports/ListReport.h"
#include "ui/widgets/Artwork.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/windows/Guida.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListModel.h"
#include "ui/lists/RecordListView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TfrmRiepStraordinari::TfrmRiepStraordinari(QWidget *parent, const QString &taxCode, const QString &start,
                                           const QString &end)
    : ListDialog(parent, QString()), m_taxCode(Text::trim(taxCode)), m_startText(Text::trim(start)),
      m_endText(Text::trim(end)), m_start(Formats::parseDate(start)), m_end(Formats::parseDate(end)) {
    setObjectName(QStringLiteral("frmRiepStraordinari"));
    setWindowTitle(QStringLiteral(" Tersalia - Riepilogo Ore di Lavoro"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setStyleSheet(CardParts::styleSheet());
    resize(1200, 720);

    auto *background = new CardBackground(this);
    auto label = [background](const QString &text, const char *name) {
        auto *l = new QLabel(text, background);
        l->setTextFormat(Qt::PlainText);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    const QColor band = EmployeesLook::band();
    auto *title = new CardTitle(QStringLiteral("RIEPILOGO ORE DI LAVORO"),
                                Artwork::icon(Artwork::Glyph::Clock, 64, band), band, background);
    title->setObjectName(QStringLiteral("imgTitolo"));
    auto *selection = new CardBand(QStringLiteral("DIPENDENTE E INTERVALLO"), band, background);
    lblTipologia = label(QStringLiteral("C.F. dipendente:"), "lblTipologia");
    titTipologia = label(QStringLiteral("- - -"), "titTipologia");
    infIntervallo = label(QStringLiteral("Intervallo selezionato:"), "infIntervallo");
    lblIntervallo = label(QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"), "lblIntervallo");
    infTotKmPercorsi = label(QStringLiteral("Totale ore di lavoro:"), "infTotKmPercorsi");
    lblTotCosti = label(QStringLiteral("0"), "lblTotCosti");
    lblFile = label(QString(), "lblFile");
    lblFile->hide();
    for (QLabel *l : {lblTipologia, infIntervallo, infTotKmPercorsi})
        l->setProperty("role", QStringLiteral("caption"));
    for (QLabel *l : {titTipologia, lblIntervallo, lblTotCosti})
        l->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 15px; color: #10243c;"));

    list->lblRigo03->hide();
    list->btnStampa->setText(QStringLiteral("Stampa riepilogo"));
    list->btnChiudi->setText(QStringLiteral("Esci"));
    list->btnChiudi->setObjectName(QStringLiteral("btnEsci"));
    lblTrovate = list->lblTrovate;
    lblTrovate->setText(QStringLiteral("0 lavori svolti"));
    lblTrovate->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lblTrovate->show();
    imgGuida = CardParts::iconButton(background, "imgGuida", CardIcons::icon(CardIcons::Symbol::Help), 36);

    QGridLayout *head = selection->grid();
    head->addWidget(lblTipologia, 0, 0);
    head->addWidget(titTipologia, 0, 1);
    head->addWidget(infIntervallo, 1, 0);
    head->addWidget(lblIntervallo, 1, 1);
    head->setColumnStretch(1, 1);
    head->addWidget(imgGuida, 0, 2, 2, 1);
    auto *total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(lblEscluse);
    total->addSpacing(16);
    total->addWidget(infTotKmPercorsi);
    total->addWidget(lblTotCosti);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addWidget(selection);
    layout->addWidget(list, 1);
    layout->addLayout(total);
    auto *whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(background);

    connect(list->btnStampa, &QPushButton::clicked, this, &TfrmRiepStraordinari::btnStampaClick);
    list->lstRecords->setColumnsInView(0); // the hours end the line
    connect(imgGuida, &QToolButton::clicked, this,
            [this]() { TfrmGuida::showHelp(this, workingHoursHelp()); });
}

QString TfrmRiepStraordinari::hoursText(double total) { return Formats::decimalText(total); }

QString TfrmRiepStraordinari::leftOutText(int n) {
    return n == 1 ? QStringLiteral("1 attività con data o ore non leggibili non è compresa nel riepilogo")
                  : QString::number(n) + QStringLiteral(" attività con data o ore non leggibili non sono "
                                                        "comprese nel riepilogo");
}

void TfrmRiepStraordinari::showEvent(QShowEvent *e) {
    titTipologia->setText(m_taxCode.isEmpty() ? QStringLiteral("- - -") : m_taxCode);
    ListDialog::showEvent(e);
    setWindowState(windowState() | Qt::WindowMaximized);
}

// An activity whose date or hours cannot be read is left out and the others
// are totalled: one damaged record does not hide the hours of the rest, and
// the screen tells how many were left out.
void TfrmRiepStraordinari::buildList() {
    lblFile->setText(WorkFile::path(m_taxCode));
    setSource(&Archives::works(), lblFile->text());
    const RecordLayout &works = Archives::works();
    const int date = works.indexOf("Data"), hours = works.indexOf("TotOre");
    double total = 0;
    int unreadable = 0;
    listSource(WorkLine::format(), [&](const char *record) {
        const QDate d = Formats::parseDate(fieldBytes(works, record, date));
        if (d.isValid() && (d < m_start || d > m_end))
            return false;
        bool ok = false;
        const double h = d.isValid() ? Formats::parseDecimal(decodeField(works, record, hours), &ok) : 0;
        if (!ok) {
            ++unreadable;
            return false;
        }
        total += h;
        return true;
    });
    lblTotCosti->setText(hoursText(total));
    setLeftOut(unreadable > 0 ? leftOutText(unreadable) : QString());
    lblIntervallo->setText(QStringLiteral("Dal   ") + m_startText + QStringLiteral("   al   ") + m_endText);
    lblTrovate->setText(QString::number(list->lstRecords->listModel()->count()) +
                        QStringLiteral(" lavori svolti"));
}

void TfrmRiepStraordinari::btnStampaClick() {
    const QStringList listed = list->lstRecords->listModel()->lines();
    if (listed.isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene "
                                         "nessuna voce."));
        return;
    }
    if (!Messages::confirm(this, QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    ListReport::print(
        this, QStringLiteral("Riepilogo prestazioni dipendente con C.F. ") + Text::trim(titTipologia->text()),
        printedLines({QStringLiteral("- - - - - - - - - - - - - - - -"),
                      QStringLiteral("INTERVALLO SELEZIONATO:    ") + Text::trim(lblIntervallo->text()),
                      QStringLiteral("TOTALE LAVORI SVOLTI:      ") + QString::number(listed.size()),
                      QStringLiteral("TOTALE ORE DI LAVORO:      ") + Text::trim(lblTotCosti->text())}));
}
