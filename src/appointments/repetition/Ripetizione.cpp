#include "appointments/repetition/Ripetizione.h"

#include "appointments/card/AppointmentRequired.h"
#include "core/platform/Clock.h"
#include "core/records/Archives.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/RecordFile.h"
#include "core/text/TextRules.h"
#include "ui/card/BandRows.h"
#include "ui/widgets/Calendario.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/card/CardScreen.h"
#include "ui/input/InputRules.h"
#include "ui/input/KeyFilters.h"
#include "ui/windows/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using Recurrence::Unit;

namespace {

const QColor kBand(38, 96, 150); // the appointment card's

int number(const QLineEdit *edit, int lowest, int highest) {
    return std::clamp(Text::trim(edit->text()).toInt(), lowest, highest);
}

} // namespace

TfrmRipetizione::TfrmRipetizione(QWidget *parent, const Record &appointment, bool ownIsNew)
    : QDialog(parent), m_appointment(appointment), m_ownIsNew(ownIsNew) {
    Formats::install();
    setObjectName(QStringLiteral("frmRipetizione"));
    setWindowTitle(QStringLiteral(" Ripeti appuntamento"));
    setWindowFlags(WindowPlacement::dialogFlags);
    m_first = Formats::parseDate(m_appointment.get("Data"));
    m_time = m_appointment.get("Ore") + QLatin1Char(':') + m_appointment.get("Minuti");
    buildScreen();
    // At the start: every week on the appointment's own weekday, ten visits in all.
    setRule({.first = m_first, .every = 1, .unit = Unit::Weeks, .count = 10});
}

void TfrmRipetizione::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    txtOgni->setFocus(Qt::OtherFocusReason);
}

void TfrmRipetizione::buildScreen() {
    auto *background = new CardBackground(this);
    background->setStyleSheet(CardParts::styleSheet());
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background);
    outer->setSizeConstraint(QLayout::SetFixedSize); // a dialog of its own size, as the others

    m_banner = new CardBanner(
        Artwork::Glyph::Agenda, QStringLiteral("Ripeti appuntamento"),
        {QStringLiteral("L'appuntamento della scheda ripetuto ogni tanti giorni, settimane o mesi: gli "
                        "appuntamenti elencati sono inseriti in archivio tutti insieme.")},
        80, background);
    m_banner->setObjectName(QStringLiteral("imgIstruzioni"));

    lblAppuntamento = new QLabel(background);
    lblAppuntamento->setObjectName(QStringLiteral("lblAppuntamento"));
    lblAppuntamento->setTextFormat(Qt::PlainText);
    lblAppuntamento->setWordWrap(true);
    lblAppuntamento->setMaximumWidth(600);
    QFont bold = lblAppuntamento->font();
    bold.setBold(true);
    lblAppuntamento->setFont(bold);
    describe();

    using BandRows::Rows;
    auto *repeat = new CardBand(QStringLiteral("RIPETIZIONE"), kBand, background);
    repeat->setObjectName(QStringLiteral("panRipetizione"));
    cmbUnita = new QComboBox(repeat);
    cmbUnita->setObjectName(QStringLiteral("cmbUnita"));
    cmbUnita->addItems({QStringLiteral("giorni"), QStringLiteral("settimane"), QStringLiteral("mesi")});
    {
        Rows r(repeat, {.spacing = 8, .gap = 12});
        r.row({{"Ripeti ogni", r.edit(txtOgni, "txtOgni", {.width = 56, .maxLength = 2, .centred = true})},
               {nullptr, cmbUnita},
               {}});
        r.row({{"Nei giorni:", r.check(chkLun, "chkLun", QStringLiteral("Lun"))},
               {nullptr, r.check(chkMar, "chkMar", QStringLiteral("Mar"))},
               {nullptr, r.check(chkMer, "chkMer", QStringLiteral("Mer"))},
               {nullptr, r.check(chkGio, "chkGio", QStringLiteral("Gio"))},
               {nullptr, r.check(chkVen, "chkVen", QStringLiteral("Ven"))},
               {nullptr, r.check(chkSab, "chkSab", QStringLiteral("Sab"))},
               {nullptr, r.check(chkDom, "chkDom", QStringLiteral("Dom"))},
               {}});
        r.row({{nullptr, r.check(chkFestivi, "chkFestivi", QStringLiteral("Salta i giorni festivi"))}, {}});
    }

    auto *end = new CardBand(QStringLiteral("FINE"), kBand, background);
    end->setObjectName(QStringLiteral("panFine"));
    optFino = new QRadioButton(QStringLiteral("Fino al giorno:"), end);
    optFino->setObjectName(QStringLiteral("optFino"));
    optVolte = new QRadioButton(QStringLiteral("Per un totale di:"), end);
    optVolte->setObjectName(QStringLiteral("optVolte"));
    auto *times = CardParts::caption(QStringLiteral("appuntamenti (compreso quello di partenza)"), end);
    {
        Rows r(end, {.spacing = 8, .gap = 12});
        r.row({{nullptr, optFino},
               {nullptr, r.edit(txtFino, "txtFino", {.width = 120, .centred = true, .readOnly = true})},
               {nullptr, r.button(impFino, "impFino", CardIcons::icon(CardIcons::Symbol::Calendar))},
               {}});
        r.row({{nullptr, optVolte},
               {nullptr, r.edit(txtVolte, "txtVolte", {.width = 64, .maxLength = 3, .centred = true})},
               {nullptr, times},
               {}});
    }

    auto *list = new CardBand(QStringLiteral("APPUNTAMENTI CHE SARANNO INSERITI"), kBand, background);
    list->setObjectName(QStringLiteral("panDate"));
    lstDate = new QListWidget(list);
    lstDate->setObjectName(QStringLiteral("lstDate"));
    lstDate->setMinimumSize(470, 300);
    lstDate->setSelectionMode(QAbstractItemView::NoSelection);
    lblTotale = new QLabel(list);
    lblTotale->setObjectName(QStringLiteral("lblTotale"));
    list->grid()->addWidget(lstDate, 0, 0);
    list->grid()->addWidget(lblTotale, 1, 0);

    cmdCrea = new QPushButton(CardIcons::icon(CardIcons::Symbol::Repeat), QStringLiteral("Crea appuntamenti"),
                              background);
    cmdCrea->setObjectName(QStringLiteral("cmdCrea"));
    cmdCrea->setAutoDefault(false);
    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), background);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCrea);
    buttons->addWidget(cmdChiudi);
    // The settings on the left, the visits they give beside them.
    auto *settings = m_layout = new QVBoxLayout;
    settings->setSpacing(10);
    settings->addWidget(lblAppuntamento);
    settings->addWidget(appointmentBand(background));
    settings->addWidget(repeat);
    settings->addWidget(end);
    settings->addStretch();
    auto *columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(settings);
    columns->addWidget(list, 1);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(m_banner);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    auto *rules = m_rules = new InputRules(this);
    rules->add(txtOgni, {FieldInput::Digits, 0, QStringLiteral("1")});
    rules->add(txtVolte, {FieldInput::Digits, 0, QStringLiteral("1")});
    rules->add(txtFino);
    rules->setEnterOrder({txtOgni, txtVolte}, true);
    // Out-of-range numbers are brought in range when the field is left.
    rules->leaveHook = [this](QWidget *w) {
        if (w == txtOgni)
            txtOgni->setText(QString::number(number(txtOgni, 1, 99)));
        else if (w == txtVolte)
            txtVolte->setText(QString::number(number(txtVolte, 1, Recurrence::kMostVisits)));
    };
    // The end date comes from the calendar: Backspace and Delete empty it, any
    // other key opens the calendar, as in the card's date.
    rules->keyHook = [this](QWidget *w, QKeyEvent *e) {
        if (e->key() == Qt::Key_Escape) { // leaves the screen, as Chiudi does
            reject();
            return true;
        }
        QLineEdit *date = w == txtFino ? txtFino : w == txtData && m_changes ? txtData : nullptr;
        if (!date || KeyFilters::isWindowKey(e))
            return false;
        if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete)
            date->clear();
        else if (date == txtFino)
            impFinoClick();
        else
            impData->click();
        return true;
    };

    for (QCheckBox *c : {chkLun, chkMar, chkMer, chkGio, chkVen, chkSab, chkDom, chkFestivi})
        connect(c, &QCheckBox::toggled, this, &TfrmRipetizione::refresh);
    connect(cmbUnita, &QComboBox::currentIndexChanged, this, &TfrmRipetizione::refresh);
    connect(optFino, &QRadioButton::toggled, this, &TfrmRipetizione::refresh);
    connect(txtOgni, &QLineEdit::textChanged, this, &TfrmRipetizione::refresh);
    connect(txtVolte, &QLineEdit::textChanged, this, &TfrmRipetizione::refresh);
    connect(txtVolte, &QLineEdit::textEdited, optVolte, [this]() { optVolte->setChecked(true); });
    connect(txtFino, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            optFino->setChecked(true);
        refresh();
    });
    connect(impFino, &QToolButton::clicked, this, &TfrmRipetizione::impFinoClick);
    connect(cmdCrea, &QPushButton::clicked, this, &TfrmRipetizione::cmdCreaClick);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

// The services are in the band below: the line names the day and the client.
void TfrmRipetizione::describe() {
    lblAppuntamento->setText(QStringLiteral("Appuntamento di partenza: ") + Recurrence::weekdayName(m_first) +
                             QLatin1Char(' ') + m_appointment.get("Data") + QLatin1Char(' ') + m_time +
                             QStringLiteral(" - ") + m_appointment.get("Contatto"));
}

void TfrmRipetizione::setTitle(const QString &caption, const QString &bannerTitle,
                               const QStringList &bannerLines) {
    setWindowTitle(caption);
    auto *banner = new CardBanner(Artwork::Glyph::Agenda, bannerTitle, bannerLines, m_banner->height(),
                                  m_banner->parentWidget());
    banner->setObjectName(m_banner->objectName());
    delete m_banner->parentWidget()->layout()->replaceWidget(m_banner, banner);
    delete m_banner;
    m_banner = banner;
}

// The same band from the card and from a contract, so the screen has one
// size: from the card it shows the appointment as the card holds it.
CardBand *TfrmRipetizione::appointmentBand(QWidget *background) {
    const auto items = BandRows::twoDigitItems;
    auto *band = new CardBand(QStringLiteral("APPUNTAMENTO"), kBand, background);
    band->setObjectName(QStringLiteral("panAppuntamento"));
    {
        using BandRows::Rows;
        Rows r(band, {.columns = true});
        r.row({{"Primo appuntamento:",
                r.beside(
                    {{nullptr, r.edit(txtData, "txtData", {.width = 120, .centred = true, .readOnly = true})},
                     {nullptr, r.button(impData, "impData", CardIcons::icon(CardIcons::Symbol::Calendar))},
                     {.caption = "Ore:",
                      .control = r.list(txtOreApp, "txtOreApp", items(24), {.width = 72}),
                      .gap = 24},
                     {"Minuti:", r.list(txtMinutiApp, "txtMinutiApp", items(60), {.width = 72})},
                     {}})}});
        r.row({{"Servizi richiesti:", r.edit(txtCausale, "txtCausale", {.maxLength = 250})}});
        r.row({{"Operatore:", r.beside({{nullptr, r.edit(txtTipologia, "txtTipologia", {.maxLength = 50}), 1},
                                        {.caption = "Cellulare:",
                                         .control = r.edit(txtCel, "txtCel", {.width = 150, .maxLength = 30}),
                                         .gap = 16}})}});
    }
    band->grid()->setColumnStretch(1, 1);

    txtData->setText(m_appointment.get("Data"));
    txtOreApp->setCurrentText(m_appointment.get("Ore"));
    txtMinutiApp->setCurrentText(m_appointment.get("Minuti"));
    InputRules::setShown(txtTipologia, m_appointment.get("Tipologia"));
    InputRules::setShown(txtCausale, m_appointment.get("Causale"));
    txtCel->setText(m_appointment.get("Cel"));
    for (QLineEdit *e : {txtTipologia, txtCausale, txtCel})
        e->setReadOnly(true);
    for (QWidget *w : std::initializer_list<QWidget *>{txtOreApp, txtMinutiApp, impData})
        w->setEnabled(false);
    return band;
}

void TfrmRipetizione::allowChanges() {
    if (m_changes)
        return;
    m_changes = true;
    for (QLineEdit *e : {txtTipologia, txtCausale, txtCel})
        e->setReadOnly(false);
    for (QWidget *w : std::initializer_list<QWidget *>{txtOreApp, txtMinutiApp, impData})
        w->setEnabled(true);
    m_rules->add(txtData);
    m_rules->add(txtOreApp, {FieldInput::ListOnly});
    m_rules->add(txtMinutiApp, {FieldInput::ListOnly});
    m_rules->add(txtTipologia);
    m_rules->add(txtCausale);
    m_rules->add(txtCel, {FieldInput::Digits});
    m_rules->setEnterOrder({txtOreApp, txtMinutiApp, txtTipologia, txtCausale, txtCel, txtOgni, txtVolte},
                           true);

    for (QLineEdit *e : {txtData, txtTipologia, txtCausale, txtCel})
        connect(e, &QLineEdit::textChanged, this, &TfrmRipetizione::takeChanges);
    for (QComboBox *c : {txtOreApp, txtMinutiApp})
        connect(c, &QComboBox::currentTextChanged, this, &TfrmRipetizione::takeChanges);
    connect(impData, &QToolButton::clicked, this, [this]() {
        TfrmCalendario calendar(this);
        calendar.markForAppointmentDate(txtData);
        calendar.exec();
    });
}

void TfrmRipetizione::takeChanges() {
    const QDate first = Formats::parseDate(Text::trim(txtData->text()));
    // One day of the week ticked, the old first date's: it follows the new one.
    if (first.isValid() && m_first.isValid() && first.dayOfWeek() != m_first.dayOfWeek()) {
        unsigned ticked = 0;
        for (int d = 1; d <= 7; ++d)
            if (weekday(d)->isChecked())
                ticked |= Recurrence::weekdayBit(d);
        if (ticked == Recurrence::weekdayBit(m_first.dayOfWeek())) {
            weekday(m_first.dayOfWeek())->setChecked(false);
            weekday(first.dayOfWeek())->setChecked(true);
        }
    }
    if (first.isValid())
        m_first = first;
    m_appointment.set("Data", Formats::dateText(m_first));
    m_appointment.set("Ore", txtOreApp->currentText());
    m_appointment.set("Minuti", txtMinutiApp->currentText());
    m_time = m_appointment.get("Ore") + QLatin1Char(':') + m_appointment.get("Minuti");
    m_appointment.set("Ora", m_time);
    m_appointment.set("Tipologia", txtTipologia->text());
    m_appointment.set("Causale", txtCausale->text());
    m_appointment.set("Cel", txtCel->text());
    describe();
    refresh();
}

QCheckBox *TfrmRipetizione::weekday(int dayOfWeek) const {
    QCheckBox *const days[] = {chkLun, chkMar, chkMer, chkGio, chkVen, chkSab, chkDom};
    return days[dayOfWeek - 1];
}

void TfrmRipetizione::setRule(const Recurrence::Rule &rule) {
    txtOgni->setText(QString::number(std::max(1, rule.every)));
    cmbUnita->setCurrentIndex(int(rule.unit));
    const unsigned days = rule.weekdays       ? rule.weekdays
                          : m_first.isValid() ? Recurrence::weekdayBit(m_first.dayOfWeek())
                                              : 0;
    for (int d = 1; d <= 7; ++d)
        weekday(d)->setChecked(days & Recurrence::weekdayBit(d));
    txtFino->setText(rule.until.isValid() ? Formats::dateText(rule.until) : QString());
    txtVolte->setText(QString::number(std::clamp(rule.count, 1, Recurrence::kMostVisits)));
    (rule.until.isValid() ? optFino : optVolte)->setChecked(true);
    chkFestivi->setChecked(rule.skipHolidays);
    refresh();
}

Recurrence::Rule TfrmRipetizione::rule() const {
    Recurrence::Rule r{.first = m_first,
                       .every = number(txtOgni, 1, 99),
                       .unit = Unit(std::max(0, cmbUnita->currentIndex())),
                       .skipHolidays = chkFestivi->isChecked()};
    for (int d = 1; d <= 7; ++d)
        if (weekday(d)->isChecked())
            r.weekdays |= Recurrence::weekdayBit(d);
    if (optFino->isChecked())
        r.until = Formats::parseDate(Text::trim(txtFino->text()));
    else
        r.count = number(txtVolte, 1, Recurrence::kMostVisits);
    return r;
}

void TfrmRipetizione::refresh() {
    const bool weeks = cmbUnita->currentIndex() == int(Unit::Weeks);
    for (int d = 1; d <= 7; ++d)
        weekday(d)->setEnabled(weeks);
    const Recurrence::Rule r = rule();
    bool cut = false;
    // Without an end date there is no end to show.
    const QList<Recurrence::Visit> visits =
        optFino->isChecked() && !r.until.isValid() ? QList<Recurrence::Visit>() : Recurrence::visits(r, &cut);
    lstDate->clear();
    for (const Recurrence::Visit &v : visits) {
        // A line with notes can be wider than the list: its tooltip shows it whole.
        auto *item = new QListWidgetItem(Recurrence::lineText(v, m_time), lstDate);
        item->setToolTip(item->text());
    }
    QString total = QStringLiteral("Appuntamenti da inserire: %1").arg(visits.size() + (m_ownIsNew ? 1 : 0));
    if (cut)
        total += QStringLiteral(" (raggiunto il limite di %1: indicare una data di fine più vicina)")
                     .arg(Recurrence::kMostVisits);
    lblTotale->setText(total);
}

void TfrmRipetizione::impFinoClick() {
    TfrmCalendario calendar(this);
    calendar.markForAppointmentDate(txtFino);
    calendar.exec();
}

QString TfrmRipetizione::insertedText(int count) {
    return count == 1 ? QStringLiteral("È stato inserito 1 appuntamento.")
                      : QStringLiteral("Sono stati inseriti %1 appuntamenti.").arg(count);
}

QString TfrmRipetizione::nothingToInsertText() {
    return QStringLiteral(
        "Attenzione: con la ripetizione indicata non c'è nessun appuntamento da inserire dopo "
        "quello di partenza.");
}

QString TfrmRipetizione::tooManyText() {
    return QStringLiteral(
               "Attenzione: si possono inserire al massimo %1 appuntamenti alla volta.\n\r\n\rIndicare "
               "una data di fine più vicina o il numero di appuntamenti.")
        .arg(Recurrence::kMostVisits);
}

QString TfrmRipetizione::noFirstDateText() { return AppointmentRequired::fields().first().warning; }

QString TfrmRipetizione::firstBeforeTodayText() {
    return QStringLiteral(
        "Attenzione: il primo appuntamento non può essere anteriore alla data odierna.\n\r\n\rIndicare "
        "la data del primo intervento da oggi in poi.");
}

QString TfrmRipetizione::noEndDateText() {
    return QStringLiteral("Attenzione: indicare il giorno in cui termina la ripetizione.");
}

QList<QByteArray> TfrmRipetizione::records(const QList<Recurrence::Visit> &visits) const {
    QList<QByteArray> list;
    if (m_ownIsNew)
        list << m_appointment.bytes();
    Record visit = m_appointment;
    visit.set("Ora", m_time);
    visit.set("Ottemperata", QStringLiteral("No"));
    for (const Recurrence::Visit &v : visits) {
        visit.set("Data", Formats::dateText(v.date));
        list << visit.bytes();
    }
    return list;
}

bool TfrmRipetizione::requiredFieldsGiven() {
    for (const AppointmentRequired::Field &r : AppointmentRequired::fields()) {
        auto *shown = findChild<QLineEdit *>(QLatin1String(r.control));
        const QString value =
            shown ? shown->text() : m_appointment.get(AppointmentRequired::recordField(r.control));
        if (!Text::trim(value).isEmpty())
            continue;
        Messages::warning(this, r.warning);
        if (shown && m_changes)
            shown->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void TfrmRipetizione::cmdCreaClick() {
    if (!requiredFieldsGiven())
        return;
    if (m_changes && m_first < Clock::today()) {
        Messages::warning(this, firstBeforeTodayText());
        txtData->setFocus(Qt::OtherFocusReason);
        return;
    }
    const Recurrence::Rule r = rule();
    if (optFino->isChecked() && !r.until.isValid()) {
        Messages::warning(this, noEndDateText());
        return;
    }
    bool cut = false;
    const QList<Recurrence::Visit> visits = Recurrence::visits(r, &cut);
    if (cut) {
        Messages::warning(this, tooManyText());
        return;
    }
    if (visits.isEmpty()) {
        Messages::warning(this, nothingToInsertText());
        return;
    }
    const QList<QByteArray> all = records(visits);
    RecordFile file(ProgramFolder::file(Archives::appointments().fileName()),
                    Archives::appointments().size());
    const bool written = file.open() && file.appendAll(all);
    const qint64 first = file.position() - all.size() + 1;
    file.close();
    if (!written) {
        Messages::error(this, CardScreen::archiveFailureText());
        return;
    }
    if (afterWrite)
        afterWrite(first);
    Messages::information(this, insertedText(int(all.size())));
    accept();
}
