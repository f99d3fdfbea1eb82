#include "employees/Lavori_Svolti.h"

#include "core/Archives.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "core/Messages.h"
#include "core/RecordFile.h"
#include "core/TextRules.h"
#include "employees/WorkFile.h"
#include "ui/CardIcons.h"
#include "ui/CardParts.h"
#include "ui/FocusHighlight.h"
#include "ui/ListEntry.h"
#include "ui/ListPanel.h"
#include "ui/QuickFind.h"
#include "ui/RecordListView.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QLineEdit *edit(QWidget *parent, const char *name, int maxLength) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    return e;
}
} // namespace

TfrmLavori_Svolti::TfrmLavori_Svolti(QWidget *parent, const QString &employee, const QString &taxCode)
    : QDialog(parent), m_employee(Text::trim(employee)), m_taxCode(Text::trim(taxCode)) {
    Formats::install();
    setObjectName(QStringLiteral("frmLavori_Svolti"));
    setWindowTitle(QStringLiteral(" Registro prestazioni lavorative del dipendente"));
    setWindowFlags(WindowPlacement::dialogFlags);
    setFixedSize(1100, 640);
    setStyleSheet(CardParts::styleSheet());

    // List panel.
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    lblTitolo = new QLabel(QStringLiteral("Registro prestazioni lavorative del dipendente"), panContainer);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: #1d3e63;"));
    lblRigo01 =
        new QLabel(QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco "
                                  "da cercare e premere il pulsante Trova."),
                   panContainer);
    lblRigo01->setObjectName(QStringLiteral("lblRigo01"));
    list = new ListPanel(
        QStringLiteral("Per modificare una scheda in elenco, selezionarla con un clic e premere "
                       "il pulsante Modifica attività."),
        panContainer);
    list->btnStampa->setText(QStringLiteral("Stampa riepilogo"));
    auto *totalCaption = new QLabel(QStringLiteral("TOTALE LAVORI SVOLTI"), panContainer);
    totalCaption->setObjectName(QStringLiteral("imgTotale"));
    totalCaption->setStyleSheet(QStringLiteral("font-weight: bold; color: #2e70b4;"));
    lblTotale = new QLabel(QStringLiteral("0"), panContainer);
    lblTotale->setObjectName(QStringLiteral("lblTotale"));
    lblTotale->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 16px;"));
    btnAggiungi = new QPushButton(CardIcons::icon(CardIcons::Symbol::New),
                                  QStringLiteral("Aggiungi attività"), panContainer);
    btnAggiungi->setObjectName(QStringLiteral("btnAggiungi"));
    btnModifica = new QPushButton(CardIcons::icon(CardIcons::Symbol::Duplicate),
                                  QStringLiteral("Modifica attività"), panContainer);
    btnModifica->setObjectName(QStringLiteral("btnModifica"));
    for (QPushButton *b : {btnAggiungi, btnModifica})
        b->setAutoDefault(false);
    {
        auto *total = new QHBoxLayout;
        total->addWidget(totalCaption);
        total->addWidget(lblTotale);
        total->addStretch();
        total->addWidget(btnAggiungi);
        total->addWidget(btnModifica);
        auto *v = new QVBoxLayout(panContainer);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(lblTitolo);
        v->addWidget(lblRigo01);
        v->addWidget(list, 1);
        v->addLayout(total);
    }

    // Edit panel.
    panCosti = new QWidget(this);
    panCosti->setObjectName(QStringLiteral("panCosti"));
    titIstruzioni =
        new QLabel(QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), panCosti);
    titIstruzioni->setObjectName(QStringLiteral("titIstruzioni"));
    titIstruzioni->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold; color: #1d3e63;"));
    txtData = edit(panCosti, "txtData", 10);
    txtData->setFixedWidth(130);
    impOggi = CardParts::iconButton(panCosti, "impOggi", CardIcons::icon(CardIcons::Symbol::Import));
    impOggi->setToolTip(QStringLiteral("Data odierna"));
    txtAttivita = edit(panCosti, "txtAttivita", 46);
    txtLuogo = edit(panCosti, "txtLuogo", 28);
    txtOrario = edit(panCosti, "txtOrario", 26);
    txtTotOre = edit(panCosti, "txtTotOre", 3);
    txtTotOre->setFixedWidth(70);
    btnSalva = new QPushButton(CardIcons::icon(CardIcons::Symbol::Save), QStringLiteral("Salva"), panCosti);
    btnSalva->setObjectName(QStringLiteral("btnSalva"));
    cmdClose = new QPushButton(CardIcons::icon(CardIcons::Symbol::Exit), QStringLiteral("Chiudi"), panCosti);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton *b : {btnSalva, cmdClose})
        b->setAutoDefault(false);
    lblPosizione = new QLabel(panCosti);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();
    lblFile = new QLabel(panCosti);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    {
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(10);
        g->setVerticalSpacing(10);
        auto caption = [this](const QString &t) { return CardParts::caption(t, panCosti); };
        auto *date = new QHBoxLayout;
        date->addWidget(txtData);
        date->addWidget(impOggi);
        date->addStretch();
        g->addWidget(caption(QStringLiteral("Data:")), 0, 0);
        g->addLayout(date, 0, 1);
        g->addWidget(caption(QStringLiteral("Attività svolta:")), 1, 0);
        g->addWidget(txtAttivita, 1, 1);
        g->addWidget(caption(QStringLiteral("Luogo:")), 2, 0);
        g->addWidget(txtLuogo, 2, 1);
        g->addWidget(caption(QStringLiteral("Orario:")), 3, 0);
        g->addWidget(txtOrario, 3, 1);
        g->addWidget(caption(QStringLiteral("Totale ore:")), 4, 0);
        g->addWidget(txtTotOre, 4, 1, Qt::AlignLeft);
        g->setColumnStretch(1, 1);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(btnSalva);
        buttons->addWidget(cmdClose);
        auto *v = new QVBoxLayout(panCosti);
        v->addWidget(titIstruzioni);
        v->addSpacing(16);
        v->addLayout(g);
        v->addStretch();
        v->addLayout(buttons);
    }
    panCosti->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(panContainer);
    layout->addWidget(panCosti);

    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    m_entry = new ListEntry(
        this, list, lblPosizione, lblFile,
        {&Archives::works(),
         {{txtData, "Data"},
          {txtAttivita,
           "Attivita",
           FieldInput::Text,
           {},
           need + QStringLiteral("la tipologia di prestazione svolta.")},
          {txtLuogo,
           "Luogo",
           FieldInput::Text,
           {},
           need + QStringLiteral("il luogo in cui la prestazione è stata svolta.")},
          {txtOrario,
           "Orario",
           FieldInput::Text,
           {},
           need + QStringLiteral("l'orario in cui la prestazione è stata svolta.")},
          {txtTotOre,
           "TotOre",
           FieldInput::Digits,
           {},
           need + QStringLiteral("la durata totale in ore della prestazione svolta.")}},
         [this, need]() {
             const QString date = Text::trim(txtData->text());
             if (date.isEmpty()) {
                 Messages::warning(this,
                                   need + QStringLiteral("la data in cui la prestazione è stata svolta."));
                 txtData->setFocus();
                 return false;
             }
             if (!Formats::parseDate(date).isValid()) {
                 Messages::plain(
                     this, QStringLiteral("Attenzione: la data ") + date +
                               QStringLiteral(" non è riconosciuta.\n\r\n\rPer poter salvare la scheda è "
                                              "necessario indicare una data valida nel formato "
                                              "gg/mm/aaaa."));
                 txtData->setFocus();
                 return false;
             }
             return true;
         },
         [this]() {
             panContainer->hide();
             panCosti->show();
         }});
    for (QLineEdit *e : {txtData, txtAttivita, txtLuogo, txtOrario, txtTotOre})
        FocusHighlight::attach(e, QStringLiteral("eff") + e->objectName().mid(3));

    connect(list->btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(list->btnStampa, &QPushButton::clicked, this, &TfrmLavori_Svolti::btnStampaClick);
    connect(btnAggiungi, &QPushButton::clicked, this, &TfrmLavori_Svolti::btnAggiungiClick);
    connect(btnModifica, &QPushButton::clicked, this, &TfrmLavori_Svolti::btnModificaClick);
    connect(btnSalva, &QPushButton::clicked, this, &TfrmLavori_Svolti::btnSalvaClick);
    connect(impOggi, &QToolButton::clicked, this,
            [this]() { txtData->setText(Formats::dateText(Clock::now().date())); });
}

void TfrmLavori_Svolti::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    list->finder->reset();
    list->txtTrova->clear();
    lblTotale->setText(QStringLiteral("0"));
    lblTitolo->setText(QStringLiteral("Registro prestazioni lavorative di ") + m_employee);
    buildList();
    list->txtTrova->setFocus();
}

void TfrmLavori_Svolti::closeEvent(QCloseEvent *e) {
    list->lstRecords->listModel()->clear();
    QDialog::closeEvent(e);
}

// Every activity with a date, in file order; the file is created when missing
// (where the folder allows).
void TfrmLavori_Svolti::buildList() {
    lblFile->setText(WorkFile::path(m_taxCode));
    RecordListModel *model = list->lstRecords->listModel();
    model->clear();
    if (!lblFile->text().isEmpty()) {
        RecordFile file(lblFile->text(), Archives::works().size());
        if (file.openForReading()) { // only read: a read-only share is still listed
            file.close();
            const int date = Archives::works().indexOf("Data");
            model->fill(lblFile->text(), WorkFile::line(), [date](const char *record) {
                return !fieldBytes(Archives::works(), record, date).isEmpty();
            });
        }
    }
    lblTotale->setText(QString::number(model->count()));
}

void TfrmLavori_Svolti::btnAggiungiClick() { m_entry->add(); }

void TfrmLavori_Svolti::btnModificaClick() { m_entry->change(); }

void TfrmLavori_Svolti::btnSalvaClick() { m_entry->save(); }

void TfrmLavori_Svolti::btnStampaClick() {
    m_entry->print(QStringLiteral("Registro prestazioni lavorative di ") + m_employee,
                   QStringLiteral("TOTALE PRESTAZIONI:    ") + Text::trim(lblTotale->text()));
}
