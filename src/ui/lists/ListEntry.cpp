#include "ui/lists/ListEntry.h"

#include "core/records/NameError.h"

#include "ui/platform/Messages.h"
#include "core/records/RecordFile.h"
#include "core/records/RecordLayout.h"
#include "core/text/TextRules.h"
#include "reports/ListReport.h"
#include "ui/card/CardParts.h"
#include "ui/card/CardScreen.h"
#include "ui/card/FocusHighlight.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListModel.h"
#include "ui/lists/RecordListView.h"
#include "ui/windows/ScreenNames.h"
#include "ui/windows/WindowPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using Symbol = CardIcons::Symbol;

namespace {

QPushButton *commandButton(QWidget *parent, const char *name, const QString &text, Symbol symbol) {
    auto *b = new QPushButton(CardIcons::icon(symbol), text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel *hiddenLabel(QWidget *parent, const char *name) {
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
}

const QString kTitleStyle = QStringLiteral("font-size: 18px; font-weight: bold; color: #1d3e63;");

} // namespace

ListEntry::ListEntry(QWidget *parent, EntrySpec setup)
    : ListDialog(parent, QStringLiteral("Per modificare una scheda in elenco, selezionarla con un clic e "
                                        "premere il pulsante ") +
                             setup.changeText + QLatin1Char('.')),
      m_setup(std::move(setup)), m_rules(new InputRules(this)) {
    setObjectName(QLatin1String(m_setup.objectName));
    setWindowTitle(m_setup.caption);
    setWindowFlags(WindowPlacement::dialogFlags);
    setStyleSheet(CardParts::styleSheet());
    resize(1100, 640);

    auto *banner = new QLabel(this);
    banner->setPixmap(
        Artwork::banner(m_setup.glyph, m_setup.bannerTitle, {m_setup.bannerLine}, QSize(1060, 80)));

    // List panel.
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    lblTitolo = new QLabel(panContainer);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setTextFormat(Qt::PlainText); // a stored name is shown as it is
    lblTitolo->setStyleSheet(kTitleStyle);
    lblRigo01 =
        new QLabel(QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco "
                                  "da cercare e premere il pulsante Trova."),
                   panContainer);
    lblRigo01->setObjectName(QStringLiteral("lblRigo01"));
    list->btnStampa->setText(QStringLiteral("Stampa riepilogo"));
    btnAggiungi = commandButton(panContainer, "btnAggiungi", m_setup.addText, Symbol::New);
    btnModifica = commandButton(panContainer, "btnModifica", m_setup.changeText, Symbol::Duplicate);
    auto *totalCaption = CardParts::caption(m_setup.totalCaption, panContainer);
    lblTotale = new QLabel(panContainer);
    lblTotale->setObjectName(QStringLiteral("lblTotale"));
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotale->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold;"));
    {
        auto *total = new QHBoxLayout;
        total->addWidget(btnAggiungi);
        total->addWidget(btnModifica);
        total->addStretch();
        total->addWidget(lblEscluse);
        total->addSpacing(16);
        total->addWidget(totalCaption);
        total->addWidget(lblTotale);
        auto *v = new QVBoxLayout(panContainer);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(lblTitolo);
        v->addWidget(lblRigo01);
        v->addWidget(list, 1);
        v->addLayout(total);
    }

    // Entry panel: a caption and a field a row, an icon beside the field it fills.
    panCosti = new QWidget(this);
    panCosti->setObjectName(QStringLiteral("panCosti"));
    titIstruzioni =
        new QLabel(QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), panCosti);
    titIstruzioni->setObjectName(QStringLiteral("titIstruzioni"));
    titIstruzioni->setStyleSheet(kTitleStyle);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);
    QHBoxLayout *row = nullptr;
    QList<QWidget *> order;
    checkNames();
    for (const EntryField &f : m_setup.fields) {
        auto *e = new QLineEdit(panCosti);
        e->setObjectName(QLatin1String(f.control));
        e->setMaxLength(f.maxLength);
        if (f.input == FieldInput::Amount)
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_edits.push_back(e);
        order.append(e);
        m_rules->add(e, {f.input});
        FocusHighlight::attach(e, QStringLiteral("eff") + QLatin1String(f.control).mid(3));
        QLabel *caption = CardParts::caption(f.caption, panCosti);
        if (!f.besidePrevious || !row) {
            row = new QHBoxLayout;
            const int r = grid->rowCount();
            grid->addWidget(caption, r, 0);
            grid->addLayout(row, r, 1);
        } else {
            row->addSpacing(24);
            row->addWidget(caption);
        }
        if (f.width > 0)
            e->setFixedWidth(f.width);
        row->addWidget(e, f.width > 0 ? 0 : 1);
        for (const EntryButton &b : m_setup.buttons) {
            if (qstrcmp(b.beside, f.control) != 0)
                continue;
            QToolButton *tool = CardParts::iconButton(panCosti, b.control, CardIcons::icon(b.symbol));
            tool->setToolTip(b.tip);
            connect(tool, &QToolButton::clicked, this, [e, value = b.value]() { e->setText(value()); });
            row->addWidget(tool);
        }
        if (f.width > 0 && (&f == &m_setup.fields.back() || !(&f + 1)->besidePrevious))
            row->addStretch();
    }
    m_rules->setEnterOrder(order);
    btnSalva = commandButton(panCosti, "btnSalva", QStringLiteral("Salva"), Symbol::Save);
    cmdClose = commandButton(panCosti, "cmdClose", QStringLiteral("Chiudi"), Symbol::Exit);
    lblPosizione = hiddenLabel(panCosti, "lblPosizione");
    lblFile = hiddenLabel(panCosti, "lblFile");
    {
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(btnSalva);
        buttons->addWidget(cmdClose);
        auto *v = new QVBoxLayout(panCosti);
        v->addWidget(titIstruzioni);
        v->addSpacing(16);
        v->addLayout(grid);
        v->addStretch();
        v->addLayout(buttons);
    }

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(panContainer);
    m_stack->addWidget(panCosti);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(banner);
    layout->addWidget(m_stack, 1);

    connect(btnAggiungi, &QPushButton::clicked, this, &ListEntry::add);
    connect(btnModifica, &QPushButton::clicked, this, &ListEntry::change);
    connect(btnSalva, &QPushButton::clicked, this, [this]() { save(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

// Every record field the table names, and the field each icon stands beside.
void ListEntry::checkNames() const {
    for (const EntryField &f : m_setup.fields)
        m_setup.layout->require(f.field, m_setup.caption);
    for (const EntryButton &b : m_setup.buttons)
        if (std::none_of(m_setup.fields.begin(), m_setup.fields.end(),
                         [&b](const EntryField &f) { return qstrcmp(f.control, b.beside) == 0; }))
            throw NameError(m_setup.caption, QStringLiteral("the icon \"%1\" stands beside no field \"%2\"")
                                                 .arg(QLatin1String(b.control), QLatin1String(b.beside)));
}

QLineEdit *ListEntry::edit(const char *control) const {
    return ScreenNames::control<QLineEdit>(this, control);
}

QToolButton *ListEntry::button(const char *control) const {
    return ScreenNames::control<QToolButton>(this, control);
}

void ListEntry::setFile(const QString &path) {
    lblFile->setText(path);
    setSource(m_setup.layout, path);
}

void ListEntry::showEvent(QShowEvent *e) {
    ListDialog::showEvent(e);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void ListEntry::showEntry() {
    m_stack->setCurrentWidget(panCosti);
    m_edits.front()->setFocus();
}

void ListEntry::add() {
    for (size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setText(m_setup.fields[i].initial);
    lblPosizione->clear();
    showEntry();
}

void ListEntry::change() {
    RecordListModel *model = list->lstRecords->listModel();
    if (model->count() == 0) {
        Messages::information(
            this, QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const int row = list->lstRecords->currentRow();
    if (row < 0) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il "
                                         "pulsante di modifica."));
        return;
    }
    // The line keeps its record number: the very record selected is edited,
    // even when another one shows the same line.
    Record record(*m_setup.layout);
    if (!readLine(row, record)) {
        close();
        return;
    }
    for (size_t i = 0; i < m_edits.size(); ++i)
        InputRules::setShown(m_edits[i], record.get(m_setup.fields[i].field));
    lblPosizione->setText(QString::number(model->recordNumber(row)));
    showEntry();
}

bool ListEntry::save() {
    // What is stored is what leaving each field makes of it (an amount in its normal form).
    for (QLineEdit *e : m_edits)
        m_rules->leave(e);
    if (m_setup.check && !m_setup.check())
        return false;
    for (size_t i = 0; i < m_edits.size(); ++i) {
        if (!m_setup.fields[i].whenEmpty.isEmpty() && Text::trim(m_edits[i]->text()).isEmpty()) {
            Messages::warning(this, m_setup.fields[i].whenEmpty);
            m_edits[i]->setFocus();
            return false;
        }
    }
    Record record(*m_setup.layout);
    for (size_t i = 0; i < m_edits.size(); ++i)
        record.set(m_setup.fields[i].field, m_edits[i]->text());
    const QString path = lblFile->text();
    const qint64 n = Text::trim(lblPosizione->text()).toLongLong();
    RecordFile file(path, m_setup.layout->size());
    bool written = !path.isEmpty() && file.open();
    if (written)
        written = n > 0 ? file.overwriteAt(n - 1, record.bytes()) : file.append(record.bytes());
    const qint64 shown = file.position();
    file.close();
    if (!written) {
        Messages::warning(this, CardScreen::archiveFailureText());
        return false;
    }
    lblPosizione->setText(QString::number(shown));
    Messages::information(this, n > 0 ? QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                                       "state salvate in archivio.")
                                      : QStringLiteral("La scheda corrente è stata inserita in archivio."));
    return true;
}

void ListEntry::print(const QString &title, const QString &totalLine) {
    ListReport::print(this, title, printedLines({QStringLiteral("--------------------------"), totalLine}));
}
