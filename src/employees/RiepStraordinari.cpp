#include "employees/RiepStraordinari.h"

#include "core/Archives.h"
#include "core/Formats.h"
#include "core/Messages.h"
#include "core/RecordFile.h"
#include "core/TextRules.h"
#include "employees/EmployeesHelp.h"
#include "employees/WorkFile.h"
#include "reports/ListReport.h"
#include "ui/Artwork.h"
#include "ui/CardIcons.h"
#include "ui/CardParts.h"
#include "ui/Guida.h"
#include "ui/ListPanel.h"
#include "ui/QuickFind.h"
#include "ui/RecordListView.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TfrmRiepStraordinari::TfrmRiepStraordinari(QWidget *parent, const QString &taxCode, const QString &start,
                                           const QString &end)
    : QDialog(parent), m_taxCode(Text::trim(taxCode)), m_startText(Text::trim(start)),
      m_endText(Text::trim(end)), m_start(Formats::parseDate(start)), m_end(Formats::parseDate(end)) {
    Formats::install();
    setObjectName(QStringLiteral("frmRiepStraordinari"));
    setWindowTitle(QStringLiteral(" Tersalia - Riepilogo Ore di Lavoro"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setStyleSheet(CardParts::styleSheet());
    resize(1200, 720);

    auto label = [this](const QString &text, const char *name) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    auto *banner = new QLabel(this);
    banner->setPixmap(Artwork::banner(Artwork::Glyph::Clock, QStringLiteral("RIEPILOGO ORE DI LAVORO"),
                                      {QStringLiteral("Le prestazioni lavorative svolte nell'intervallo "
                                                      "selezionato e il totale delle ore.")},
                                      QSize(1160, 96)));
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
    for (QLabel *l : {titTipologia, lblIntervallo, lblTotCosti}) {
        l->setTextFormat(Qt::PlainText); // values as stored, never markup
        l->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 15px; color: #10243c;"));
    }

    list = new ListPanel(QString(), this);
    list->lblRigo03->hide();
    list->btnStampa->setText(QStringLiteral("Stampa riepilogo"));
    list->btnChiudi->setText(QStringLiteral("Esci"));
    list->btnChiudi->setObjectName(QStringLiteral("btnEsci"));
    lblTrovate = list->lblTrovate;
    lblTrovate->setText(QStringLiteral("0 lavori svolti"));
    lblTrovate->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lblTrovate->show();
    imgGuida = CardParts::iconButton(this, "imgGuida", CardIcons::icon(CardIcons::Symbol::Help), 36);

    auto *head = new QGridLayout;
    head->addWidget(lblTipologia, 0, 0);
    head->addWidget(titTipologia, 0, 1);
    head->addWidget(infIntervallo, 1, 0);
    head->addWidget(lblIntervallo, 1, 1);
    head->setColumnStretch(1, 1);
    head->addWidget(imgGuida, 0, 2, 2, 1);
    auto *total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(infTotKmPercorsi);
    total->addWidget(lblTotCosti);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(head);
    layout->addWidget(list, 1);
    layout->addLayout(total);

    connect(list->btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(list->btnStampa, &QPushButton::clicked, this, &TfrmRiepStraordinari::btnStampaClick);
    connect(imgGuida, &QToolButton::clicked, this,
            [this]() { TfrmGuida::showHelp(this, workingHoursHelp()); });
}

QString TfrmRiepStraordinari::hoursText(double total) {
    return QString::number(total, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

void TfrmRiepStraordinari::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    setWindowState(windowState() | Qt::WindowMaximized);
    list->finder->reset();
    list->txtTrova->clear();
    titTipologia->setText(m_taxCode.isEmpty() ? QStringLiteral("- - -") : m_taxCode);
    buildList();
    list->txtTrova->setFocus();
}

void TfrmRiepStraordinari::closeEvent(QCloseEvent *e) {
    list->lstRecords->listModel()->clear();
    QDialog::closeEvent(e);
}

// A record whose date or hours cannot be read is left out and the others are
// totalled: one damaged record does not hide the hours of the rest.
void TfrmRiepStraordinari::buildList() {
    lblFile->setText(WorkFile::path(m_taxCode));
    RecordListModel *model = list->lstRecords->listModel();
    model->clear();
    double total = 0;
    if (!lblFile->text().isEmpty()) {
        RecordFile file(lblFile->text(), Archives::works().size());
        if (file.open()) {
            file.close();
            const RecordLayout &works = Archives::works();
            const int date = works.indexOf("Data"), hours = works.indexOf("TotOre");
            model->fill(lblFile->text(), WorkFile::line(), [&](const char *record) {
                const QDate d = Formats::parseDate(fieldBytes(works, record, date));
                if (!d.isValid() || d < m_start || d > m_end)
                    return false;
                bool ok = false;
                const double h = Formats::parseDecimal(decodeField(works, record, hours), &ok);
                if (!ok)
                    return false;
                total += h;
                return true;
            });
        }
    }
    lblTotCosti->setText(hoursText(total));
    lblIntervallo->setText(QStringLiteral("Dal   ") + m_startText + QStringLiteral("   al   ") + m_endText);
    lblTrovate->setText(QString::number(model->count()) + QStringLiteral(" lavori svolti"));
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
    QStringList lines = listed;
    lines << QStringLiteral("- - - - - - - - - - - - - - - -")
          << QStringLiteral("INTERVALLO SELEZIONATO:    ") + Text::trim(lblIntervallo->text())
          << QStringLiteral("TOTALE LAVORI SVOLTI:      ") + QString::number(listed.size())
          << QStringLiteral("TOTALE ORE DI LAVORO:      ") + Text::trim(lblTotCosti->text());
    ListReport::print(
        this, QStringLiteral("Riepilogo prestazioni dipendente con C.F. ") + Text::trim(titTipologia->text()),
        lines);
}
