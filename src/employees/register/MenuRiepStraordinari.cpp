#include "employees/register/MenuRiepStraordinari.h"

#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/records/RecordLayout.h"
#include "core/text/TextRules.h"
#include "employees/card/EmployeesHelp.h"
#include "employees/card/EmployeesLook.h"
#include "employees/register/RiepStraordinari.h"
#include "employees/card/TrovaDipendenti.h"
#include "employees/register/WorkFile.h"
#include "ui/widgets/Artwork.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/input/InputRules.h"
#include "ui/card/FocusHighlight.h"
#include "ui/windows/Guida.h"
#include "ui/input/KeyFilters.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char *const kMonths[12] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                 "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

// The pickers take no typing: Backspace and Delete empty them, the arrows
// left and right pass, Enter walks on, the mouse chooses.
bool pickerKey(QWidget *field, QKeyEvent *e) {
    auto *box = qobject_cast<QComboBox *>(field);
    if (!box || KeyFilters::isEnter(e) || KeyFilters::isWindowKey(e))
        return false;
    if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete)
        box->setCurrentIndex(-1);
    return e->key() != Qt::Key_Left && e->key() != Qt::Key_Right;
}

// A day or month that is not one of the picker's items cannot stay.
void leavePicker(QWidget *field) {
    auto *box = qobject_cast<QComboBox *>(field);
    if (!box)
        return;
    const QString t = Text::trim(box->currentText());
    const bool day = box->objectName().startsWith(QLatin1String("txtGiorno"));
    if (day ? box->findText(t, Qt::MatchExactly) < 0 : TfrmMenuRiepStraordinari::monthNumber(t).isEmpty())
        box->setCurrentIndex(-1);
}

QComboBox *picker(QWidget *parent, const char *name, const QStringList &items) {
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setMaxVisibleItems(12);
    return c;
}
} // namespace

TfrmMenuRiepStraordinari::TfrmMenuRiepStraordinari(QWidget *parent) : ModuleWindow(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmMenuRiepStraordinari"));
    setWindowTitle(QStringLiteral(" Tersalia - Riepilogo Ore di Lavoro"));
    auto *background = new CardBackground(this);
    setCentralWidget(background);
    const QColor band = EmployeesLook::band();

    auto *title = new CardTitle(QStringLiteral("RIEPILOGO ORE DI LAVORO"),
                                Artwork::icon(Artwork::Glyph::Clock, 64, band), band, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    auto *who = new CardBand(QStringLiteral("DIPENDENTE"), band, background);
    lblCampo01 = CardParts::caption(QStringLiteral("Indicare il codice fiscale del dipendente:"), who);
    lblCampo01->setObjectName(QStringLiteral("lblCampo01"));
    txtCliente = new QLineEdit(who);
    txtCliente->setObjectName(QStringLiteral("txtCliente"));
    txtCliente->setMaxLength(16);
    txtCliente->setFixedWidth(260);
    btnCodFisc = CardParts::iconButton(who, "btnCodFisc", CardIcons::icon(CardIcons::Symbol::Import), 34);
    btnCodFisc->setToolTip(
        QStringLiteral("Importa il codice fiscale dall'archivio anagrafico dei dipendenti."));
    lblCampo02 =
        new QLabel(QStringLiteral("Per importare il codice fiscale del dipendente dall'archivio "
                                  "anagrafico, utilizzare il pulsante a destra del campo di ricerca."),
                   who);
    lblCampo02->setObjectName(QStringLiteral("lblCampo02"));
    {
        auto *row = new QHBoxLayout;
        row->setSpacing(8);
        row->addWidget(lblCampo01);
        row->addWidget(txtCliente);
        row->addWidget(btnCodFisc);
        row->addStretch();
        who->grid()->addLayout(row, 0, 0);
        who->grid()->addWidget(lblCampo02, 1, 0);
    }

    auto *when = new CardBand(QStringLiteral("INTERVALLO DI TEMPO"), band, background);
    lblCampo03 =
        new QLabel(QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare in "
                                  "base alla data di svolgimento delle prestazioni lavorative."),
                   when);
    lblCampo03->setObjectName(QStringLiteral("lblCampo03"));
    grpDataInizio = dateGroup(QStringLiteral(" Data inizio intervallo: "), "txtGiornoInizio", "txtMeseInizio",
                              "txtAnnoInizio", txtGiornoInizio, txtMeseInizio, txtAnnoInizio);
    grpDataInizio->setObjectName(QStringLiteral("grpDataInizio"));
    grpDataFine = dateGroup(QStringLiteral(" Data fine intervallo: "), "txtGiornoFine", "txtMeseFine",
                            "txtAnnoFine", txtGiornoFine, txtMeseFine, txtAnnoFine);
    grpDataFine->setObjectName(QStringLiteral("grpDataFine"));
    {
        auto *row = new QHBoxLayout;
        row->addWidget(grpDataInizio);
        row->addSpacing(24);
        row->addWidget(grpDataFine);
        row->addStretch();
        when->grid()->addWidget(lblCampo03, 0, 0);
        when->grid()->addLayout(row, 1, 0);
    }

    btnVisualizza = new QPushButton(CardIcons::icon(CardIcons::Symbol::Preview),
                                    QStringLiteral("Visualizza riepilogo"), background);
    btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    btnEsci = new QPushButton(CardIcons::icon(CardIcons::Symbol::Exit), QStringLiteral("Esci"), background);
    btnEsci->setObjectName(QStringLiteral("btnEsci"));
    for (QPushButton *b : {btnVisualizza, btnEsci}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(40);
        b->setIconSize(QSize(24, 24));
    }
    imgGuida = CardParts::iconButton(background, "imgGuida", CardIcons::icon(CardIcons::Symbol::Help), 40);
    lblAttendere = new QLabel(QStringLiteral("Caricamento riepilogo in corso. Attendere..."), background);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setStyleSheet(QStringLiteral("color: #b03a10; font-weight: bold;"));
    lblAttendere->hide();
    lblDataInizio = new QLabel(background);
    lblDataInizio->setObjectName(QStringLiteral("lblDataInizio"));
    lblDataInizio->hide();
    lblDataFine = new QLabel(background);
    lblDataFine->setObjectName(QStringLiteral("lblDataFine"));
    lblDataFine->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(imgGuida);
    buttons->addWidget(btnVisualizza);
    buttons->addWidget(btnEsci);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(14);
    layout->addWidget(title);
    layout->addWidget(who);
    layout->addWidget(when);
    layout->addStretch();
    layout->addLayout(buttons);

    auto *rules = new InputRules(this);
    rules->add(txtCliente, {FieldInput::Text, FieldFlag::Code});
    for (QComboBox *c : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine})
        rules->add(c);
    for (QLineEdit *e : {txtAnnoInizio, txtAnnoFine})
        rules->add(e, {FieldInput::Digits});
    rules->setEnterOrder({txtCliente, txtGiornoInizio, txtMeseInizio, txtAnnoInizio, txtGiornoFine,
                          txtMeseFine, txtAnnoFine, btnVisualizza},
                         false);
    rules->keyHook = [](QWidget *field, QKeyEvent *e) { return pickerKey(field, e); };
    rules->leaveHook = [](QWidget *field) { leavePicker(field); };
    for (QWidget *w :
         std::initializer_list<QWidget *>{txtCliente, txtGiornoInizio, txtMeseInizio, txtAnnoInizio,
                                          txtGiornoFine, txtMeseFine, txtAnnoFine})
        FocusHighlight::attach(w, QStringLiteral("eff") + w->objectName().mid(3));
    btnVisualizza->installEventFilter(this);
    connect(btnCodFisc, &QToolButton::clicked, this, &TfrmMenuRiepStraordinari::btnCodFiscClick);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepStraordinari::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(imgGuida, &QToolButton::clicked, this,
            [this]() { TfrmGuida::showHelp(this, workingHoursHelp()); });
}

QGroupBox *TfrmMenuRiepStraordinari::dateGroup(const QString &title, const char *day, const char *month,
                                               const char *year, QComboBox *&dayBox, QComboBox *&monthBox,
                                               QLineEdit *&yearEdit) {
    auto *group = new QGroupBox(title, this);
    QStringList days, months;
    for (int d = 1; d <= 31; ++d)
        days << QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
    for (const char *m : kMonths)
        months << QLatin1String(m);
    dayBox = picker(group, day, days);
    dayBox->setFixedWidth(80);
    monthBox = picker(group, month, months);
    monthBox->setFixedWidth(150);
    yearEdit = new QLineEdit(group);
    yearEdit->setObjectName(QLatin1String(year));
    yearEdit->setMaxLength(4);
    yearEdit->setFixedWidth(80);
    auto *g = new QGridLayout(group);
    g->addWidget(CardParts::caption(QStringLiteral("Giorno:"), group), 0, 0);
    g->addWidget(CardParts::caption(QStringLiteral("Mese:"), group), 0, 1);
    g->addWidget(CardParts::caption(QStringLiteral("Anno:"), group), 0, 2);
    g->addWidget(dayBox, 1, 0);
    g->addWidget(monthBox, 1, 1);
    g->addWidget(yearEdit, 1, 2);
    return group;
}

QString TfrmMenuRiepStraordinari::monthNumber(const QString &name) {
    const QString lowered = Text::lowerAZ(Text::trim(name));
    for (int i = 0; i < 12; ++i)
        if (lowered == Text::lowerAZ(QLatin1String(kMonths[i])))
            return QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    return {};
}

void TfrmMenuRiepStraordinari::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (event->spontaneous())
        return;
    txtCliente->clear();
    for (QComboBox *c : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine})
        c->setCurrentIndex(-1);
    const QString year = QString::number(Clock::now().date().year());
    txtAnnoInizio->setText(year);
    txtAnnoFine->setText(year);
    lblAttendere->hide();
    txtCliente->setFocus();
}

bool TfrmMenuRiepStraordinari::eventFilter(QObject *watched, QEvent *event) {
    if (watched == btnVisualizza && event->type() == QEvent::MouseButtonPress)
        lblAttendere->show();
    return ModuleWindow::eventFilter(watched, event);
}

void TfrmMenuRiepStraordinari::stop(const QString &text, QWidget *focus, bool plain) {
    lblAttendere->hide();
    if (plain)
        Messages::plain(this, text);
    else
        Messages::warning(this, text);
    if (focus)
        focus->setFocus();
}

void TfrmMenuRiepStraordinari::btnVisualizzaClick() {
    lblDataInizio->clear();
    lblDataFine->clear();
    const QString code = Text::trim(txtCliente->text());
    const QString interval = QStringLiteral(" intervallo selezionandolo dall'elenco a cascata.");
    const struct {
        bool fails;
        QString warning;
        QWidget *focus;
    } checks[] = {
        {code.isEmpty(), QStringLiteral("Attenzione: indicare il codice fiscale del dipendente."),
         txtCliente},
        {!code.isEmpty() && !WorkFile::acceptsTaxCode(code), WorkFile::refusedTaxCodeText(code), txtCliente},
        {Text::trim(txtGiornoInizio->currentText()).isEmpty(),
         QStringLiteral("Attenzione: indicare il giorno di inizio") + interval, txtGiornoInizio},
        {Text::trim(txtMeseInizio->currentText()).isEmpty(),
         QStringLiteral("Attenzione: indicare il mese di inizio") + interval, txtMeseInizio},
        {txtAnnoInizio->text().size() != 4,
         QStringLiteral("Attenzione: indicare l'anno solare di inizio intervallo utilizzando quattro cifre."),
         txtAnnoInizio},
        {Text::trim(txtGiornoFine->currentText()).isEmpty(),
         QStringLiteral("Attenzione: indicare il giorno di fine") + interval, txtGiornoFine},
        {Text::trim(txtMeseFine->currentText()).isEmpty(),
         QStringLiteral("Attenzione: indicare il mese di fine") + interval, txtMeseFine},
        {txtAnnoFine->text().size() != 4,
         QStringLiteral("Attenzione: indicare l'anno solare di fine intervallo utilizzando quattro cifre."),
         txtAnnoFine},
    };
    for (const auto &c : checks) {
        if (c.fails) {
            stop(c.warning, c.focus, false);
            return;
        }
    }
    const auto assemble = [](QComboBox *day, QComboBox *month, QLineEdit *year) {
        const QString number = monthNumber(month->currentText());
        return number.isEmpty() ? QString()
                                : Text::trim(day->currentText()) + QLatin1Char('/') + number +
                                      QLatin1Char('/') + Text::trim(year->text());
    };
    const QString valid =
        QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");
    lblDataInizio->setText(assemble(txtGiornoInizio, txtMeseInizio, txtAnnoInizio));
    const QDate start = Formats::parseDate(lblDataInizio->text());
    if (!start.isValid()) {
        stop(QStringLiteral("Attenzione: la data ") + Text::trim(lblDataInizio->text()) +
                 QStringLiteral(" di inizio intervallo non esiste.") + valid,
             txtGiornoInizio, true);
        return;
    }
    lblDataFine->setText(assemble(txtGiornoFine, txtMeseFine, txtAnnoFine));
    const QDate end = Formats::parseDate(lblDataFine->text());
    if (!end.isValid()) {
        stop(QStringLiteral("Attenzione: la data ") + Text::trim(lblDataFine->text()) +
                 QStringLiteral(" di fine intervallo non esiste.") + valid,
             txtGiornoFine, true);
        return;
    }
    if (start > end) {
        stop(QStringLiteral("Attenzione: la data di fine intervallo (") + lblDataFine->text() +
                 QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") +
                 lblDataInizio->text() +
                 QStringLiteral(
                     ").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un intervallo "
                     "di tempo valido."),
             nullptr, true);
        return;
    }
    auto *summary = new TfrmRiepStraordinari(this, code, lblDataInizio->text(), lblDataFine->text());
    summary->setAttribute(Qt::WA_DeleteOnClose);
    summary->exec();
    lblAttendere->hide();
}

void TfrmMenuRiepStraordinari::btnCodFiscClick() {
    auto *search = new TfrmTrovaDipendenti(this);
    search->setAttribute(Qt::WA_DeleteOnClose);
    search->lblMemory->setText(QStringLiteral("riepstraordinari"));
    search->setHandBack([this](const Record &record, qint64) { txtCliente->setText(record.get("CodFisc")); });
    search->exec();
}
