#include "clients/AllegaExcel.h"

#include "core/Archives.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/ResultLine.h"
#include "core/TextRules.h"
#include "ui/AmountField.h"
#include "ui/Artwork.h"
#include "ui/CardIcons.h"
#include "ui/CardParts.h"
#include "ui/ListEntry.h"
#include "ui/ListPanel.h"
#include "ui/QuickFind.h"
#include "ui/RecordListModel.h"
#include "ui/RecordListView.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using Symbol = CardIcons::Symbol;

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

QPushButton *button(QWidget *parent, const char *name, const QString &text, Symbol symbol) {
    auto *b = new QPushButton(CardIcons::icon(symbol), text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmAllegaExcel::TfrmAllegaExcel(QWidget *parent, qint64 clientNumber, const QString &clientName)
    : QDialog(parent), m_client(clientNumber), m_name(Text::trim(clientName)) {
    Formats::install();
    setObjectName(QStringLiteral("frmAllegaExcel"));
    setWindowTitle(QStringLiteral(" Riepilogo servizi forniti"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(1100, 640);

    auto *banner = new QLabel(this);
    banner->setPixmap(Artwork::banner(Artwork::Glyph::Clients, QStringLiteral("SERVIZI FORNITI"),
                                      {QStringLiteral("I servizi prestati al cliente, con il totale degli "
                                                      "importi pagati.")},
                                      QSize(1080, 80)));

    // List panel.
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    lblTitolo = new QLabel(panContainer);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold; color: #1e7896;"));
    lblRigo01 =
        new QLabel(QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco "
                                  "da cercare e premere il pulsante Trova."),
                   panContainer);
    lblRigo01->setObjectName(QStringLiteral("lblRigo01"));
    list = new ListPanel(
        QStringLiteral("Per modificare una scheda in elenco, selezionarla con un clic e premere "
                       "il pulsante Modifica voce."),
        panContainer);
    list->btnStampa->setText(QStringLiteral("Stampa riepilogo"));
    lblTotale = new QLabel(QStringLiteral("0,00"), panContainer);
    lblTotale->setObjectName(QStringLiteral("lblTotale"));
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotale->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold;"));
    btnAggiungi = button(panContainer, "btnAggiungi", QStringLiteral("Aggiungi voce"), Symbol::New);
    btnModifica = button(panContainer, "btnModifica", QStringLiteral("Modifica voce"), Symbol::Duplicate);
    {
        auto *total = new QHBoxLayout;
        total->addWidget(btnAggiungi);
        total->addWidget(btnModifica);
        total->addStretch();
        total->addWidget(new QLabel(QStringLiteral("Totale importi:"), panContainer));
        total->addWidget(lblTotale);
        auto *v = new QVBoxLayout(panContainer);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(lblTitolo);
        v->addWidget(lblRigo01);
        v->addWidget(list, 1);
        v->addLayout(total);
    }

    // Entry panel.
    panCosti = new QWidget(this);
    panCosti->setObjectName(QStringLiteral("panCosti"));
    panCosti->setStyleSheet(
        QStringLiteral("QLineEdit { background: #F0F8FF; border: 1px solid #87CEEB; "
                       "padding: 3px; } QLineEdit:focus { background: #FFFF00; }"
                       "QToolButton[role=\"icon\"] { border: none; background: transparent; }"));
    titIstruzioni =
        new QLabel(QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), panCosti);
    titIstruzioni->setObjectName(QStringLiteral("titIstruzioni"));
    titIstruzioni->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: bold; color: #1e7896;"));
    const struct {
        QLineEdit **edit;
        const char *name;
        int width;
    } edits[] = {{&txtData, "txtData", 10},
                 {&txtOra, "txtOra", 5},
                 {&txtServizi, "txtServizi", 54},
                 {&txtAgente, "txtAgente", 28},
                 {&txtImporto, "txtImporto", 15}};
    for (const auto &e : edits) {
        *e.edit = new QLineEdit(panCosti);
        (*e.edit)->setObjectName(QLatin1String(e.name));
        (*e.edit)->setMaxLength(e.width);
    }
    txtImporto->setText(QStringLiteral("0,00"));
    txtImporto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtImporto->setContextMenuPolicy(Qt::NoContextMenu);
    txtImporto->setAcceptDrops(false);
    impData = CardParts::iconButton(panCosti, "impData", CardIcons::icon(Symbol::Calendar));
    impOra = CardParts::iconButton(panCosti, "impOra", CardIcons::icon(Symbol::AlarmClock));
    btnSalva = button(panCosti, "btnSalva", QStringLiteral("Salva"), Symbol::Save);
    cmdClose = button(panCosti, "cmdClose", QStringLiteral("Chiudi"), Symbol::Exit);
    lblPosizione = new QLabel(panCosti);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();
    lblFile = new QLabel(panCosti);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    {
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(10);
        g->addWidget(new QLabel(QStringLiteral("Data:"), panCosti), 0, 0);
        auto *when = new QHBoxLayout;
        when->setSpacing(8);
        txtData->setFixedWidth(120);
        txtOra->setFixedWidth(70);
        when->addWidget(txtData);
        when->addWidget(impData);
        when->addSpacing(24);
        when->addWidget(new QLabel(QStringLiteral("Ora:"), panCosti));
        when->addWidget(txtOra);
        when->addWidget(impOra);
        when->addStretch();
        g->addLayout(when, 0, 1);
        g->addWidget(new QLabel(QStringLiteral("Servizi:"), panCosti), 1, 0);
        g->addWidget(txtServizi, 1, 1);
        g->addWidget(new QLabel(QStringLiteral("Agente:"), panCosti), 2, 0);
        g->addWidget(txtAgente, 2, 1);
        g->addWidget(new QLabel(QStringLiteral("Importo: €"), panCosti), 3, 0);
        txtImporto->setFixedWidth(160);
        g->addWidget(txtImporto, 3, 1, Qt::AlignLeft);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(btnSalva);
        buttons->addWidget(cmdClose);
        auto *v = new QVBoxLayout(panCosti);
        v->addWidget(titIstruzioni);
        v->addSpacing(12);
        v->addLayout(g);
        v->addStretch();
        v->addLayout(buttons);
    }

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(panContainer);
    m_stack->addWidget(panCosti);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(m_stack, 1);

    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    m_entry = new ListEntry(
        this, list, lblPosizione, lblFile,
        {&Archives::services(),
         {{txtData,
           "Data",
           FieldInput::Text,
           {},
           need + QStringLiteral("la data in cui è stato fornito il servizio.")},
          {txtOra,
           "Ora",
           FieldInput::Text,
           {},
           need + QStringLiteral("l'ora in cui è stato fornito il servizio.")},
          {txtServizi, "Servizi", FieldInput::Text, {}, need + QStringLiteral("i servizi forniti.")},
          {txtAgente,
           "Agente",
           FieldInput::Text,
           {},
           need + QStringLiteral("il nome dell'agente che ha fornito il servizio.")},
          {txtImporto, "Importo", FieldInput::Amount, QStringLiteral("0,00"),
           need + QStringLiteral("l'importo pagato dal cliente.")}},
         // What is stored is always the amount in its normal form.
         [this]() {
             txtImporto->setText(AmountField::normalise(txtImporto->text()));
             return true;
         },
         [this]() { m_stack->setCurrentWidget(panCosti); }});

    connect(btnAggiungi, &QPushButton::clicked, this, &TfrmAllegaExcel::btnAggiungiClick);
    connect(btnModifica, &QPushButton::clicked, this, &TfrmAllegaExcel::btnModificaClick);
    connect(list->btnStampa, &QPushButton::clicked, this, &TfrmAllegaExcel::btnStampaClick);
    connect(list->btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(btnSalva, &QPushButton::clicked, this, [this]() { btnSalvaClick(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(impData, &QToolButton::clicked, this,
            [this]() { txtData->setText(Formats::dateText(Clock::today())); });
    connect(impOra, &QToolButton::clicked, this,
            [this]() { txtOra->setText(Formats::shortTimeText(Clock::now().time())); });
}

void TfrmAllegaExcel::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    list->finder->reset();
    list->txtTrova->clear();
    buildList();
    list->txtTrova->setFocus();
}

void TfrmAllegaExcel::closeEvent(QCloseEvent *e) {
    list->lstRecords->listModel()->clear();
    QDialog::closeEvent(e);
}

void TfrmAllegaExcel::buildList() {
    lblTitolo->setText(QStringLiteral("Servizi forniti a ") + m_name);
    lblFile->setText(ProgramFolder::file(Archives::servicesFileName(m_client)));
    // Opening the services creates the file of a client that has none yet;
    // one that exists is only read, so a read-only share still lists it.
    RecordFile file(lblFile->text(), Archives::services().size());
    const bool opened = file.openForReading();
    file.close();
    // Every service is listed; an amount that cannot be read stays out of the total.
    const RecordLayout &layout = Archives::services();
    const int amount = layout.indexOf("Importo");
    double total = 0;
    if (opened) {
        list->lstRecords->listModel()->fill(lblFile->text(), serviceLine(), [&](const char *record) {
            const QString text = decodeField(layout, record, amount);
            if (text.isEmpty())
                return false;
            bool ok = false;
            const double value = Formats::parseDecimal(text, &ok);
            if (ok)
                total += value;
            return true;
        });
    } else {
        list->lstRecords->listModel()->clear();
    }
    QString shortest = QString::number(total, 'g', QLocale::FloatingPointShortest);
    lblTotale->setText(QStringLiteral("€ ") +
                       AmountField::normalise(shortest.replace(QLatin1Char('.'), QLatin1Char(','))));
}

void TfrmAllegaExcel::btnAggiungiClick() { m_entry->add(); }

void TfrmAllegaExcel::btnModificaClick() { m_entry->change(); }

bool TfrmAllegaExcel::btnSalvaClick() { return m_entry->save(); }

void TfrmAllegaExcel::btnStampaClick() {
    m_entry->print(QStringLiteral("Riepilogo servizi forniti a ") + m_name,
                   QStringLiteral("TOTALE IMPORTI:    ") + Text::trim(lblTotale->text()));
}
