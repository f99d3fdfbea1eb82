#include "privacy/Privacy.h"

#include "core/files/WholeFileWriter.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"
#include "core/platform/ProgramFolder.h"
#include "core/text/TextRules.h"
#include "privacy/PrivacyDocument.h"
#include "privacy/PrivacyForm.h"
#include "ui/widgets/Artwork.h"
#include "ui/card/CardIcons.h"
#include "ui/card/BandRows.h"
#include "ui/card/CardParts.h"
#include "ui/input/InputRules.h"
#include "ui/windows/ScreenNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The ten settings of the company, by key and control, in section "Modulo Privacy".
const QList<SettingsKey> kSettings = {
    {"Denominazione Impresa", "txtStudioDent"}, {"Comune Sede", "txtCittaDent"},
    {"Provincia Sede", "txtProvDent"},          {"Cap Sede", "txtCapDent"},
    {"Via Sede", "txtIndirizzoDent"},           {"Codice Fiscale Impresa", "txtCodFiscDent"},
    {"Partita Iva Impresa", "txtIvaDent"},      {"Rappresentante Legale", "txtTelDent"},
    {"Titolare Privacy", "txtPrivacy"},         {"Luogo", "txtLuogo"}};

} // namespace

// The company's data, the client's and the signing, in the Enter order (the
// client's tax code right after the birth date). Tax
// codes and provinces are trimmed and upper-cased while typing, the provinces
// again on leaving; the VAT number takes digits only.
QList<CardField> TfrmPrivacy::fields() {
    using namespace FieldFlag;
    using BandRows::provinceField;
    const unsigned province = Code | TrimOnLeave | UpperOnLeave;
    return {
        {.member = txtStudioDent,
         .control = "txtStudioDent",
         .caption = "Impresa:",
         .shape = {.maxLength = 250}},
        {.member = txtTelDent,
         .control = "txtTelDent",
         .caption = "Rappresentante legale:",
         .shape = {.maxLength = 250}},
        {.member = txtIvaDent,
         .control = "txtIvaDent",
         .caption = "Partita IVA:",
         .input = FieldInput::Digits,
         .shape = {.maxLength = 11}},
        {.member = txtCodFiscDent,
         .control = "txtCodFiscDent",
         .caption = "C.F.",
         .flags = Code,
         .shape = {.maxLength = 16}},
        {.member = txtCittaDent,
         .control = "txtCittaDent",
         .caption = "Comune sede legale:",
         .shape = {.maxLength = 120}},
        provinceField(
            {.member = txtProvDent, .control = "txtProvDent", .caption = "Prov.", .flags = province}),
        {.member = txtIndirizzoDent,
         .control = "txtIndirizzoDent",
         .caption = "Via e numero civico:",
         .shape = {.maxLength = 250}},
        {.member = txtCapDent,
         .control = "txtCapDent",
         .caption = "CAP:",
         .shape = {.width = 80, .maxLength = 5}},
        {.member = txtPaziente, .control = "txtPaziente", .caption = "Cliente:"},
        {.member = txtComuneNasc, .control = "txtComuneNasc", .caption = "Comune di nascita:"},
        provinceField(
            {.member = txtProvNasc, .control = "txtProvNasc", .caption = "Prov.", .flags = province}),
        {.member = txtDataNasc, .control = "txtDataNasc", .caption = "Data di nascita:"},
        {.member = txtCodFisc, .control = "txtCodFisc", .caption = "C.F.", .flags = Code},
        {.member = txtComuneRes, .control = "txtComuneRes", .caption = "Comune di residenza:"},
        provinceField({.member = txtProvRes, .control = "txtProvRes", .caption = "Prov.", .flags = province}),
        {.member = txtIndirizzo, .control = "txtIndirizzo", .caption = "Via e numero civico:"},
        {.member = txtCapRes, .control = "txtCapRes", .caption = "CAP:", .shape = {.width = 80}},
        {.member = txtRecapito, .control = "txtRecapito", .caption = "Tel."},
        {.member = txtPrivacy, .control = "txtPrivacy", .caption = "Titolare Privacy:"},
        {.member = txtData,
         .control = "txtData",
         .caption = "Data:",
         .shape = {.width = 110, .maxLength = 10}},
        {.member = txtLuogo, .control = "txtLuogo", .caption = "Luogo:", .shape = {.maxLength = 120}},
    };
}

TfrmPrivacy::TfrmPrivacy(QWidget *parent) : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmPrivacy"));
    setWindowTitle(QStringLiteral(" Esporta e stampa Modulo Privacy"));
    // No close box: the screen closes through Chiudi, which keeps the company's data.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setStyleSheet(CardParts::styleSheet());

    // The banner as wide as the bands, as the cards' titles are.
    auto *banner = new CardBanner(
        Artwork::Glyph::Padlock, QStringLiteral("Modulo privacy"),
        {QStringLiteral("Il consenso al trattamento dei dati personali (Regolamento UE 2016/679), pronto da "
                        "stampare e far firmare al cliente."),
         QStringLiteral("I dati dell'impresa vengono ricordati alla chiusura con il pulsante Chiudi.")},
        90, this);

    using BandRows::Rows;
    const QColor band(120, 80, 160);
    const BandRows::RowLook look{.columns = true};

    const QList<CardField> rows = fields();
    auto *company = new CardBand(QStringLiteral("DATI DELL'IMPRESA"), band, this);
    Rows co(company, look, &rows);
    co.row({co.field(txtStudioDent, {.span = 3})});
    co.row({co.field(txtTelDent, {.span = 3})});
    co.row({co.field(txtIvaDent), co.field(txtCodFiscDent)});
    co.row({co.group({co.field(txtCittaDent), co.field(txtProvDent)}, {.span = 3})});
    co.row({co.group({co.field(txtIndirizzoDent), co.field(txtCapDent)}, {.span = 3})});

    auto *client = new CardBand(QStringLiteral("DATI DEL CLIENTE"), band, this);
    Rows cl(client, look, &rows);
    cl.row({cl.field(txtPaziente), cl.field(txtRecapito)});
    cl.row({cl.group({cl.field(txtComuneNasc), cl.field(txtProvNasc)}), cl.field(txtDataNasc)});
    cl.row({cl.group({cl.field(txtComuneRes), cl.field(txtProvRes)}), cl.field(txtCodFisc)});
    // The street as wide as the company's: a whole address in view.
    cl.row({cl.group({cl.field(txtIndirizzo), cl.field(txtCapRes)}, {.span = 3})});

    auto *signing = new CardBand(QString(), band, this);
    Rows si(signing, look, &rows);
    si.row({si.field(txtPrivacy, {.span = 5})});
    si.row({si.field(txtData), si.field(txtLuogo, {.span = 3})});
    for (CardBand *b : {company, client}) {
        b->grid()->setColumnStretch(1, 1);
        b->grid()->setColumnStretch(3, 1);
    }
    signing->grid()->setColumnStretch(3, 1);

    btnRTF =
        new QPushButton(CardIcons::icon(CardIcons::Symbol::Export), QStringLiteral("Crea file RTF"), this);
    btnRTF->setObjectName(QStringLiteral("btnRTF"));
    btnChiudi = new QPushButton(CardIcons::icon(CardIcons::Symbol::Exit), QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *b : {btnRTF, btnChiudi})
        b->setAutoDefault(false);
    connect(btnRTF, &QPushButton::clicked, this, [this]() { btnRTFClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, [this]() { btnChiudiClick(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnRTF);
    buttons->addWidget(btnChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(company);
    layout->addWidget(client);
    layout->addWidget(signing);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(900, 680);

    // Tab and Enter walk the fields in the rows' order.
    for (const CardField &f : rows)
        m_order.append(f.member.widget());
    BandRows::tabOrder(m_order);
    applyFieldRules(*new InputRules(this), rows, m_order);
    m_settings.emplace(this, &TfrmPrivacy::settingsFile, QStringLiteral("Modulo Privacy"), kSettings);
    txtData->setText(Formats::dateText(Clock::today()));
}

QString TfrmPrivacy::settingsFile() { return ProgramFolder::file(QStringLiteral("Liberatoria_Privacy.ini")); }
QString TfrmPrivacy::documentFile() { return ProgramFolder::file(QStringLiteral("Modulo_Privacy.rtf")); }

QString TfrmPrivacy::documentNotWrittenText() {
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il documento non sia già aperto.");
}

QString TfrmPrivacy::settingsNotWrittenText() {
    return QStringLiteral(
        "Attenzione: non è stato possibile salvare i dati dell'impresa nel file "
        "Liberatoria_Privacy.ini.\r\n\r\nI dati inseriti verranno riproposti alle prossime "
        "aperture della schermata fino alla chiusura del programma: accertarsi di possedere "
        "i privilegi di scrittura nella cartella di installazione del programma.");
}

QMap<QString, QString> TfrmPrivacy::values() const {
    QMap<QString, QString> v;
    for (QWidget *w : m_order) {
        if (auto *e = qobject_cast<QLineEdit *>(w))
            v.insert(w->objectName(), Text::trim(e->text()));
        else if (auto *c = qobject_cast<QComboBox *>(w))
            v.insert(w->objectName(), Text::trim(c->currentText()));
    }
    return v;
}

void TfrmPrivacy::setValue(const char *control, const QString &text) {
    InputRules::setShown(ScreenNames::control(this, control), text); // a long value shows its beginning
}

void TfrmPrivacy::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    for (QComboBox *c : {txtProvDent, txtProvNasc, txtProvRes}) {
        const QString t = c->currentText();
        c->setCurrentIndex(-1);
        c->setEditText(t);
    }
    m_settings->read();
    txtStudioDent->setFocus();
}

bool TfrmPrivacy::btnRTFClick() {
    if (!Messages::confirm(
            this, QStringLiteral("Questa procedura esporterà il modulo per il consenso al trattamento "
                                 "dei dati personali in un documento in formato RTF.\r\n\r\nSi "
                                 "conferma la creazione del file?")))
        return false;
    const QByteArray document = PrivacyDocument::bytes(values());
    // The earlier document is replaced only once the new one is whole: a disk
    // that fills up leaves it as it was, never cut short.
    if (!WholeFileWriter::writeWhole(documentFile(), document)) {
        Messages::plain(this, documentNotWrittenText());
        return false;
    }
    if (Messages::confirm(this,
                          QStringLiteral("Il file del modulo per il trattamento dei dati personali è stato "
                                         "creato con successo.\r\n\r\nSi vuole aprire il documento?")))
        TMisc::Open(QLatin1Char('"') + documentFile() + QLatin1Char('"'));
    return true;
}

bool TfrmPrivacy::btnChiudiClick() {
    // The company's data are kept for the next time; a file that cannot be
    // written is reported, and the data stay for the next opening of this session.
    const bool kept = m_settings->write();
    if (!kept)
        Messages::error(this, settingsNotWrittenText());
    close();
    return kept;
}

// Escape leaves the form as every other satellite is left, and as Chiudi
// does: the company's data kept (the dialog's own Escape would drop them).
void TfrmPrivacy::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        btnChiudiClick();
        return;
    }
    QDialog::keyPressEvent(e);
}

namespace PrivacyForm {
void open(QWidget *parent, const ClientValues &client) {
    auto *screen = new TfrmPrivacy(parent);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto &v : client)
        screen->setValue(v.first, Text::trim(v.second));
    screen->txtData->setText(Formats::dateText(Clock::today()));
    screen->exec();
}
} // namespace PrivacyForm
