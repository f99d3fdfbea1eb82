#include "privacy/Privacy.h"

#include "core/Clock.h"
#include "core/Formats.h"
#include "core/Messages.h"
#include "core/OpenURL.h"
#include "core/ProgramFolder.h"
#include "core/Provinces.h"
#include "core/TextRules.h"
#include "privacy/PrivacyDocument.h"
#include "privacy/PrivacyForm.h"
#include "ui/Artwork.h"
#include "ui/CardIcons.h"
#include "ui/CardParts.h"
#include "ui/FocusHighlight.h"
#include "ui/InputRules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
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

QLineEdit *edit(QWidget *parent, const char *name, int maxLength = 0) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    FocusHighlight::attach(e, QStringLiteral("eff") + QLatin1String(name).mid(3));
    return e;
}

QComboBox *province(QWidget *parent, const char *name) {
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(Provinces::codes());
    c->setCurrentIndex(-1); // adding the items chose the first: the field starts empty
    c->setEditText(QString());
    c->lineEdit()->setMaxLength(2);
    c->setFixedWidth(72);
    FocusHighlight::attach(c, QStringLiteral("eff") + QLatin1String(name).mid(3));
    return c;
}

} // namespace

TfrmPrivacy::TfrmPrivacy(QWidget *parent)
    : QDialog(parent),
      m_settings(this, &TfrmPrivacy::settingsFile, QStringLiteral("Modulo Privacy"), kSettings) {
    Formats::install();
    setObjectName(QStringLiteral("frmPrivacy"));
    setWindowTitle(QStringLiteral(" Esporta e stampa Modulo Privacy"));
    // No close box: the screen closes through Chiudi, which keeps the company's data.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setStyleSheet(CardParts::styleSheet());

    auto *banner = new QLabel(this);
    banner->setPixmap(Artwork::banner(
        Artwork::Glyph::Padlock, QStringLiteral("Modulo privacy"),
        {QStringLiteral("Il consenso al trattamento dei dati personali (Regolamento UE 2016/679), pronto da "
                        "stampare e far firmare al cliente."),
         QStringLiteral("I dati dell'impresa vengono ricordati alla chiusura con il pulsante Chiudi.")},
        QSize(860, 90)));

    auto *company = new CardBand(QStringLiteral("DATI DELL'IMPRESA"), QColor(120, 80, 160), this);
    txtStudioDent = edit(company, "txtStudioDent", 250);
    txtTelDent = edit(company, "txtTelDent", 250);
    txtIvaDent = edit(company, "txtIvaDent", 11);
    txtCodFiscDent = edit(company, "txtCodFiscDent", 16);
    txtCittaDent = edit(company, "txtCittaDent", 120);
    txtProvDent = province(company, "txtProvDent");
    txtIndirizzoDent = edit(company, "txtIndirizzoDent", 250);
    txtCapDent = edit(company, "txtCapDent", 5);
    txtCapDent->setFixedWidth(80);
    {
        QGridLayout *g = company->grid();
        g->addWidget(CardParts::caption(QStringLiteral("Impresa:"), company), 0, 0);
        g->addWidget(txtStudioDent, 0, 1, 1, 3);
        g->addWidget(CardParts::caption(QStringLiteral("Rappresentante legale:"), company), 1, 0);
        g->addWidget(txtTelDent, 1, 1, 1, 3);
        g->addWidget(CardParts::caption(QStringLiteral("Partita IVA:"), company), 2, 0);
        g->addWidget(txtIvaDent, 2, 1);
        g->addWidget(CardParts::caption(QStringLiteral("C.F."), company), 2, 2);
        g->addWidget(txtCodFiscDent, 2, 3);
        g->addWidget(CardParts::caption(QStringLiteral("Comune sede legale:"), company), 3, 0);
        auto *town = new QHBoxLayout;
        town->addWidget(txtCittaDent, 1);
        town->addWidget(CardParts::caption(QStringLiteral("Prov."), company));
        town->addWidget(txtProvDent);
        g->addLayout(town, 3, 1, 1, 3);
        g->addWidget(CardParts::caption(QStringLiteral("Via e numero civico:"), company), 4, 0);
        auto *street = new QHBoxLayout;
        street->addWidget(txtIndirizzoDent, 1);
        street->addWidget(CardParts::caption(QStringLiteral("CAP:"), company));
        street->addWidget(txtCapDent);
        g->addLayout(street, 4, 1, 1, 3);
        g->setColumnStretch(1, 1);
        g->setColumnStretch(3, 1);
    }

    auto *client = new CardBand(QStringLiteral("DATI DEL CLIENTE"), QColor(120, 80, 160), this);
    txtPaziente = edit(client, "txtPaziente");
    txtComuneNasc = edit(client, "txtComuneNasc");
    txtProvNasc = province(client, "txtProvNasc");
    txtDataNasc = edit(client, "txtDataNasc");
    txtCodFisc = edit(client, "txtCodFisc");
    txtComuneRes = edit(client, "txtComuneRes");
    txtProvRes = province(client, "txtProvRes");
    txtIndirizzo = edit(client, "txtIndirizzo");
    txtCapRes = edit(client, "txtCapRes");
    txtCapRes->setFixedWidth(80);
    txtRecapito = edit(client, "txtRecapito");
    {
        QGridLayout *g = client->grid();
        g->addWidget(CardParts::caption(QStringLiteral("Cliente:"), client), 0, 0);
        g->addWidget(txtPaziente, 0, 1, 1, 3);
        g->addWidget(CardParts::caption(QStringLiteral("Comune di nascita:"), client), 1, 0);
        auto *birth = new QHBoxLayout;
        birth->addWidget(txtComuneNasc, 1);
        birth->addWidget(CardParts::caption(QStringLiteral("Prov."), client));
        birth->addWidget(txtProvNasc);
        g->addLayout(birth, 1, 1);
        g->addWidget(CardParts::caption(QStringLiteral("Data di nascita:"), client), 1, 2);
        g->addWidget(txtDataNasc, 1, 3);
        g->addWidget(CardParts::caption(QStringLiteral("Comune di residenza:"), client), 2, 0);
        auto *home = new QHBoxLayout;
        home->addWidget(txtComuneRes, 1);
        home->addWidget(CardParts::caption(QStringLiteral("Prov."), client));
        home->addWidget(txtProvRes);
        g->addLayout(home, 2, 1);
        g->addWidget(CardParts::caption(QStringLiteral("C.F."), client), 2, 2);
        g->addWidget(txtCodFisc, 2, 3);
        g->addWidget(CardParts::caption(QStringLiteral("Via e numero civico:"), client), 3, 0);
        auto *street = new QHBoxLayout;
        street->addWidget(txtIndirizzo, 1);
        street->addWidget(CardParts::caption(QStringLiteral("CAP:"), client));
        street->addWidget(txtCapRes);
        g->addLayout(street, 3, 1);
        g->addWidget(CardParts::caption(QStringLiteral("Tel."), client), 3, 2);
        g->addWidget(txtRecapito, 3, 3);
        g->setColumnStretch(1, 1);
        g->setColumnStretch(3, 1);
    }

    auto *signing = new CardBand(QString(), QColor(120, 80, 160), this);
    txtPrivacy = edit(signing, "txtPrivacy");
    txtData = edit(signing, "txtData", 10);
    txtData->setFixedWidth(110);
    txtLuogo = edit(signing, "txtLuogo", 120);
    {
        QGridLayout *g = signing->grid();
        g->addWidget(CardParts::caption(QStringLiteral("Titolare Privacy:"), signing), 0, 0);
        g->addWidget(txtPrivacy, 0, 1, 1, 5);
        g->addWidget(CardParts::caption(QStringLiteral("Data:"), signing), 1, 0);
        g->addWidget(txtData, 1, 1);
        g->addWidget(CardParts::caption(QStringLiteral("Luogo:"), signing), 1, 2);
        g->addWidget(txtLuogo, 1, 3, 1, 3);
        g->setColumnStretch(3, 1);
    }

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
    resize(900, 720);

    m_order = {txtStudioDent,    txtTelDent,   txtIvaDent,  txtCodFiscDent, txtCittaDent, txtProvDent,
               txtIndirizzoDent, txtCapDent,   txtPaziente, txtComuneNasc,  txtProvNasc,  txtDataNasc,
               txtCodFisc,       txtComuneRes, txtProvRes,  txtIndirizzo,   txtCapRes,    txtRecapito,
               txtPrivacy,       txtData,      txtLuogo};
    for (int i = 1; i < m_order.size(); ++i)
        QWidget::setTabOrder(m_order[i - 1], m_order[i]);
    // Tax codes and provinces are trimmed and upper-cased while typing, the
    // provinces again on leaving; the VAT number takes digits only.
    auto *rules = new InputRules(this);
    for (QWidget *w : std::as_const(m_order)) {
        FieldRule rule;
        if (w == txtIvaDent)
            rule.input = FieldInput::Digits;
        else if (w == txtCodFiscDent || w == txtCodFisc)
            rule.flags = FieldFlag::Code;
        else if (qobject_cast<QComboBox *>(w))
            rule.flags = FieldFlag::Code | FieldFlag::TrimOnLeave | FieldFlag::UpperOnLeave;
        rules->add(w, rule);
    }
    rules->setEnterOrder(m_order);
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
    if (QWidget *w = findChild<QWidget *>(QLatin1String(control)))
        InputRules::setShown(w, text); // a long value shows its beginning
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
    m_settings.read();
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
    QSaveFile file(documentFile());
    const bool written = file.open(QIODevice::WriteOnly) && file.write(document) == document.size() &&
                         file.flush() && file.commit();
    if (!written) {
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
    const bool kept = m_settings.write();
    if (!kept)
        Messages::error(this, settingsNotWrittenText());
    close();
    return kept;
}

// Escape would close the dialog without keeping the company's data.
void TfrmPrivacy::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Escape)
        return;
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
