#include "ui/search/SearchScreen.h"

#include "ui/card/CardIcons.h"
#include "core/text/Formats.h"
#include "ui/card/FocusHighlight.h"
#include "ui/input/InputRules.h"
#include "ui/lists/ListPanel.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "ui/lists/QuickFind.h"
#include "ui/windows/ScreenNames.h"
#include "ui/lists/RecordListView.h"
#include "core/text/TextRules.h"
#include "reports/ListReport.h"
#include "ui/widgets/Artwork.h"
#include "ui/input/SingleLine.h"
#include "ui/windows/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
const QString kArchiveError = QStringLiteral("Attenzione: il sistema non permette di accedere "
                                             "all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
                                             "scrittura nella cartella di installazione del programma.");
}

SearchScreen::SearchScreen(QWidget *parent, SearchSpec setup)
    : ListDialog(parent, QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda")),
      m_spec(std::move(setup)) {
    setWindowTitle(m_spec.caption);
    setSource(m_spec.layout, ProgramFolder::file(m_spec.layout->fileName()));
    setWindowFlags(WindowPlacement::dialogFlags);
    setFixedSize(980, 520);

    auto *banner = new QLabel(this);
    banner->setPixmap(
        Artwork::banner(Artwork::Glyph::Magnifier, m_spec.bannerTitle,
                        {QStringLiteral("Compila uno o più criteri e premi Cerca: l'elenco mostrerà "
                                        "le schede che li contengono tutti."),
                         QStringLiteral("Lasciando vuoti tutti i criteri si ottiene l'intero archivio.")},
                        QSize(960, 96)));

    // Criteria panel: two columns of five, each label above its edit.
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto *grid = new QGridLayout(panAvvio);
    grid->setHorizontalSpacing(24);
    for (int i = 0; i < m_spec.criteria.size(); ++i) {
        const SearchCriterion &c = m_spec.criteria[i];
        m_fields.append(m_spec.layout->require(c.field, m_spec.caption));
        auto *label = new QLabel(QString::fromUtf8(c.label), panAvvio);
        auto *edit = new QLineEdit(panAvvio);
        edit->setObjectName(QLatin1String(c.control));
        label->setBuddy(edit);
        const int row = (i % 5) * 2, col = i / 5;
        grid->addWidget(label, row, col);
        grid->addWidget(edit, row + 1, col);
        FocusHighlight::attach(edit, QStringLiteral("eff") + QLatin1String(c.control).mid(3));
        criteria.append(edit);
    }
    // Enter walks through the criteria, from the last back to the first.
    auto *rules = new InputRules(this);
    QList<QWidget *> order;
    for (QLineEdit *edit : std::as_const(criteria)) {
        rules->add(edit);
        order.append(edit);
    }
    rules->setEnterOrder(order);
    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setStyleSheet(QStringLiteral("color: #b03020; font-weight: bold;"));
    lblAttendere->hide();
    lblConta = new QLabel(panAvvio);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();
    lblMemory = new QLabel(panAvvio);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    btnCerca = new QPushButton(CardIcons::icon(CardIcons::Symbol::Find), QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnAnnulla =
        new QPushButton(CardIcons::icon(CardIcons::Symbol::Exit), QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : {btnCerca, btnAnnulla})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);
    grid->addLayout(buttons, 10, 0, 1, 2);
    grid->setRowStretch(11, 1);
    grid->setVerticalSpacing(8);

    // Results panel, in the same place.
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    list->lblTrovate->show();
    auto *results = new QVBoxLayout(panContainer);
    results->setContentsMargins(0, 0, 0, 0);
    results->addWidget(list);

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(panAvvio);
    m_stack->addWidget(panContainer);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(m_stack, 1);

    connect(btnCerca, &QPushButton::pressed, this, [this]() {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &SearchScreen::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::close);
    connect(list->btnStampa, &QPushButton::clicked, this, [this]() {
        ListReport::print(this, m_spec.reportTitle, list->lstRecords->listModel()->lines());
    });
    SingleLine::attachAll(this);
}

QLineEdit *SearchScreen::criterion(const char *control) const {
    return ScreenNames::control<QLineEdit>(this, control);
}

QString SearchScreen::callerText() const { return Text::trim(lblMemory->text()); }

QWidget *SearchScreen::firstFocus() const { return criteria.isEmpty() ? nullptr : criteria.first(); }

void SearchScreen::showEvent(QShowEvent *e) {
    ListDialog::showEvent(e);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void SearchScreen::closeEvent(QCloseEvent *e) {
    lblAttendere->hide();
    ListDialog::closeEvent(e);
}

bool SearchScreen::matches(const RecordLayout &layout, const char *record, const QList<int> &fields,
                           const QList<Text::NoCaseFinder> &criteria) {
    for (int i = 0; i < fields.size(); ++i)
        if (!criteria[i].in(fieldBytes(layout, record, fields[i])))
            return false;
    return true;
}

void SearchScreen::btnCercaClick() {
    // Only criteria holding something besides blanks take part; each is then
    // matched exactly as typed, so a blank at one end must occur in the field.
    QList<int> fields;
    QList<Text::NoCaseFinder> finders;
    for (int i = 0; i < criteria.size(); ++i) {
        const QString typed = criteria[i]->text();
        if (Text::trim(typed).isEmpty())
            continue;
        fields.append(m_fields[i]);
        finders.append(Text::NoCaseFinder(typed));
    }
    lblConta->setText(QString::number(fields.size()));

    const RecordLayout &layout = *m_spec.layout;
    RecordListModel *model = list->lstRecords->listModel();
    const bool ok =
        listSource(m_spec.line, [&](const char *record) { return matches(layout, record, fields, finders); });
    lblAttendere->hide();
    if (!ok) {
        model->clear();
        Messages::plain(this, kArchiveError);
        return;
    }
    if (m_spec.order == LineOrder::SortedAZ)
        model->sortNoCaseAZ();
    list->lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene ") +
                              QString::number(model->count()) + m_spec.ending);
    m_stack->setCurrentWidget(panContainer);
    list->txtTrova->clear();
    list->txtTrova->setFocus();
}
