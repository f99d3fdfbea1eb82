#include "employees/card/Dipendenti.h"

#include "core/records/Archives.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"
#include "core/text/TextRules.h"
#include "employees/photo/EmployeePhoto.h"
#include "employees/card/AnteprimaDipendenti.h"
#include "employees/card/EmployeesHelp.h"
#include "employees/register/Lavori_Svolti.h"
#include "employees/photo/PhotoFiles.h"
#include "employees/photo/Slideshow_Dipendenti.h"
#include "employees/card/StampaDipendenti.h"
#include "employees/card/TrovaDipendenti.h"
#include "employees/photo/WebCam.h"
#include "employees/register/WorkFile.h"
#include "employees/photo/Zoom.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/widgets/Artwork.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/card/BandRows.h"
#include "ui/card/CardScreen.h"
#include "ui/windows/Guida.h"
#include "ui/windows/Satellite.h"
#include "ui/card/ScrollingForm.h"
#include "validators/Checks.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using Symbol = CardIcons::Symbol;

namespace {

const QColor kBand(46, 112, 180);

// A small camera, painted white on a rounded tile like the command icons.
QIcon cameraIcon() {
    const int s = 28;
    QPixmap pm = Artwork::transparent(QSize(s, s));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 90, 120));
    p.drawRoundedRect(QRectF(0, 0, s, s), 6, 6);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 9, 20, 13), 3, 3);
    p.drawRect(QRectF(10, 6, 8, 4));
    p.setBrush(QColor(70, 90, 120));
    p.drawEllipse(QPointF(14, 15.5), 4.2, 4.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 15.5), 2.2, 2.2);
    return QIcon(pm);
}

// The photo frame: the picture scaled into the frame keeping its proportions.
QPixmap framed(const QImage &picture) {
    QPixmap pm(EmployeePhoto::width, EmployeePhoto::height);
    pm.fill(QColor(240, 246, 252));
    QPainter p(&pm);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage fitted = picture.scaled(pm.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage((pm.width() - fitted.width()) / 2, (pm.height() - fitted.height()) / 2, fitted);
    return pm;
}

} // namespace

TfrmDipendenti::TfrmDipendenti(QWidget *parent) : ModuleWindow(parent) {
    setObjectName(QStringLiteral("frmDipendenti"));
    setWindowTitle(QStringLiteral(" Tersalia - Archivio Dipendenti e Prestazioni"));
    CardDefinition d = definition();
    buildScreen(d.fields);
    m_card = new CardScreen(this, std::move(d));
}

void TfrmDipendenti::buildScreen(const QList<CardField> &fields) {
    auto *background = new CardBackground(this);
    setCentralWidget(background);

    auto *title = new CardTitle(QStringLiteral("SCHEDA DIPENDENTE"),
                                Artwork::icon(Artwork::Glyph::People, 64, kBand), kBand, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    // Command bar along the top; the arrows and the position label sit beside the hint panel.
    auto *commands = new CardBand(QString(), kBand, background);
    commands->setObjectName(QStringLiteral("panComandi"));
    auto command = [commands](QToolButton *&button, const char *name, const QString &label, Symbol s) {
        button = CardParts::command(commands, name, label, CardIcons::icon(s));
        return button;
    };
    {
        auto *row = new QHBoxLayout;
        row->setSpacing(6);
        for (QToolButton *b :
             {command(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), Symbol::New),
              command(cmdSalva, "cmdSalva", QStringLiteral("Salva"), Symbol::Save),
              command(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), Symbol::Duplicate),
              command(cmdTrova, "cmdTrova", QStringLiteral("Trova"), Symbol::Find),
              command(cmdFile, "cmdFile", QStringLiteral("Allega file"), Symbol::Attach),
              command(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), Symbol::Print),
              command(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), Symbol::Preview),
              command(cmdSlideshow, "cmdSlideshow", QStringLiteral("Slide Show"), Symbol::Preview),
              command(cmdGuida, "cmdGuida", QStringLiteral("Guida"), Symbol::Help),
              command(cmdEsci, "cmdEsci", QStringLiteral("Esci"), Symbol::Exit)})
            row->addWidget(b);
        commands->grid()->addLayout(row, 0, 0);
    }

    // The photo frame and its buttons.
    auto *photoBand = new CardBand(QStringLiteral("FOTO"), kBand, background);
    photoBand->setObjectName(QStringLiteral("panFoto"));
    imgFoto = new QLabel(photoBand);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(EmployeePhoto::width, EmployeePhoto::height);
    imgBianco = new QLabel(photoBand);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setPixmap(QPixmap::fromImage(EmployeePhoto::placeholder()));
    imgBianco->hide();
    {
        BandRows::Rows photo(photoBand);
        QGridLayout *g = photoBand->grid();
        g->addWidget(imgFoto, 0, 0, Qt::AlignHCenter);
        auto *row = new QHBoxLayout;
        row->addStretch();
        for (QToolButton *b :
             {photo.button(btnWebcam, "btnWebcam", cameraIcon(), 36),
              photo.button(btnCaricaFoto, "btnCaricaFoto", CardIcons::icon(Symbol::Import), 36),
              photo.button(btnSalvaFoto, "btnSalvaFoto", CardIcons::icon(Symbol::Save), 36),
              photo.button(btnCancFoto, "btnCancFoto", CardIcons::icon(Symbol::New), 36),
              photo.button(btnZoomFoto, "btnZoomFoto",
                           QIcon(Artwork::icon(Artwork::Glyph::Magnifier, 32, kBand)), 36)})
            row->addWidget(b);
        row->addStretch();
        g->addLayout(row, 1, 0);
        g->setRowStretch(2, 1);
    }
    // The work register's command stands under the photo's column, below the
    // scrolling bands: in view on every screen.
    btnLavori = CardParts::command(background, "btnLavori", QStringLiteral("PRESTAZIONI"),
                                   QIcon(Artwork::icon(Artwork::Glyph::Cleaning, 32, QColor(52, 140, 110))));
    btnLavori->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    btnLavori->setFixedWidth(photoBand->sizeHint().width());

    // The fields, in three bands.
    using BandRows::Rows;
    const BandRows::RowLook look{.gap = 14};
    const QIcon done = CardIcons::icon(Symbol::Done);

    auto *personal = new CardBand(QStringLiteral("DATI ANAGRAFICI"), kBand, background);
    personal->setObjectName(QStringLiteral("panAnagrafica"));
    Rows p(personal, look, &fields);
    p.row({p.field(txtDipendente), p.field(txtSesso), p.field(txtDataNasc)});
    p.row({p.field(txtCittadinanza), p.field(txtLuogoNasc)});
    p.row({p.field(txtIndirizzo)});
    p.row({p.field(txtCitta), p.field(txtCap), p.field(txtNazione)});
    p.row({p.group({p.field(txtCodFisc), {nullptr, p.button(btnCodFisc, "btnCodFisc", done)}}, {}, 4),
           p.field(txtCivile),
           p.group({p.field(txtPartitaIva), {nullptr, p.button(btnPartitaIva, "btnPartitaIva", done)}}, {},
                   4)});
    p.row({p.field(txtStudio), p.field(txtLingue)});

    auto *contacts = new CardBand(QStringLiteral("RECAPITI"), kBand, background);
    contacts->setObjectName(QStringLiteral("panRecapiti"));
    Rows c(contacts, look, &fields);
    c.row({c.group(
               {c.field(txtEmail), {nullptr, c.button(btnEmail, "btnEmail", CardIcons::icon(Symbol::Mail))}},
               {}, 4),
           c.field(txtTel), c.field(txtCel)});

    auto *job = new CardBand(QStringLiteral("DATI PROFESSIONALI"), kBand, background);
    job->setObjectName(QStringLiteral("panLavoro"));
    Rows j(job, look, &fields);
    j.row({j.field(txtQualifica), j.field(txtReparto)});
    j.row({j.field(txtDisponibilita)});
    j.row({j.field(txtMansioni)});
    j.row({j.group({j.field(txtIban), {nullptr, j.button(btnIban, "btnIban", done)}}, {}, 4),
           j.field(txtDataAss)});
    j.row({j.field(txtRetribuzione)});
    j.row({j.field(txtNote)});

    std::tie(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03) =
        BandRows::attachmentLabels(background);
    btnFocus = new QPushButton(background);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setFixedSize(0, 0);

    panInfo = CardParts::hintPanel(background, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const CardParts::Navigation navigation = CardParts::navigationRow(background);
    navigation.handTo(*this);

    // The photo and the bands scroll under the commands where the screen is too low for them.
    auto *bands = new QVBoxLayout;
    bands->setSpacing(10);
    bands->addWidget(personal);
    bands->addWidget(contacts);
    bands->addWidget(job);
    bands->addStretch();
    auto *main = new QHBoxLayout;
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(14);
    main->addWidget(photoBand);
    main->addLayout(bands, 1);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(14);
    bottom->addWidget(btnLavori);
    bottom->addWidget(panInfo, 1);
    bottom->addWidget(navigation.row);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(commands);
    layout->addWidget(ScrollingForm::wrap(main, background), 1);
    layout->addLayout(bottom);

    // The attachments reach the record at the next Salva.
    connect(cmdFile, &QToolButton::clicked, this,
            [this]() { TfrmAllegaCartella::edit(this, QStringLiteral("dipendenti")); });
    connect(btnCaricaFoto, &QToolButton::clicked, this, [this]() {
        QImage picture;
        if (PhotoFiles::open(this, picture))
            setPhoto(picture); // a file that cannot be read keeps the photo there was
    });
    connect(btnSalvaFoto, &QToolButton::clicked, this, [this]() { PhotoFiles::saveAs(this, m_photo); });
    connect(btnCancFoto, &QToolButton::clicked, this, [this]() { setPhoto(EmployeePhoto::placeholder()); });
    connect(btnZoomFoto, &QToolButton::clicked, this, [this]() {
        openSatellite<TfrmZoom>(this, [this](TfrmZoom *zoom) { zoom->setPicture(m_photo); });
    });
    connect(btnWebcam, &QToolButton::clicked, this, [this]() {
        openSatellite<TfrmWebCam>(this, [this](TfrmWebCam *webcam) {
            webcam->lblMemory->setText(QStringLiteral("euro_01"));
            webcam->setImport([this](const QImage &picture) { setPhoto(picture); });
        });
    });
    connect(cmdSlideshow, &QToolButton::clicked, this,
            [this]() { openSatellite<TfrmSlideshow_Dipendenti>(this); });
    // Print and preview take the card as it is on screen, saved or not.
    connect(cmdStampa, &QToolButton::clicked, this, [this]() {
        Record employee(Archives::employees());
        m_card->collect(employee);
        TfrmStampaDipendenti(this, employee, m_photo).exec();
    });
    connect(cmdAnteprima, &QToolButton::clicked, this, [this]() {
        Record employee(Archives::employees());
        m_card->collect(employee);
        TfrmAnteprimaDipendenti(this, employee, m_photo).exec();
    });
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmDipendenti::cmdTrovaClick);
    connect(btnLavori, &QToolButton::clicked, this, &TfrmDipendenti::btnLavoriClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmDipendenti::btnEmailClick);
    connect(btnCodFisc, &QToolButton::clicked, this,
            [this]() { Checks::taxCodeField(this, Text::trim(txtCodFisc->text())); });
    connect(btnPartitaIva, &QToolButton::clicked, this,
            [this]() { Checks::vatNumber(this, Text::trim(txtPartitaIva->text())); });
    connect(btnIban, &QToolButton::clicked, this,
            [this]() { Checks::iban(this, Text::trim(txtIban->text())); });
    connect(cmdGuida, &QToolButton::clicked, this,
            [this]() { TfrmGuida::showHelp(this, employeeCardHelp()); });
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
}

// The 31 fields of Archivio_Dipendenti.pro, in the Enter order.
QList<CardField> TfrmDipendenti::fields() {
    using namespace FieldFlag;
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    return QList<CardField>{
               {.member = txtDipendente,
                .control = "txtDipendente",
                .field = "Dipendente",
                .caption = "Cognome e nome:",
                .required = need + QStringLiteral("cognome e nome del dipendente.")},
               {.member = txtSesso,
                .control = "txtSesso",
                .field = "Sesso",
                .caption = "Sesso:",
                .flags = Code,
                .shape = {.width = 44, .centred = true}},
               {.member = txtDataNasc,
                .control = "txtDataNasc",
                .field = "DataNasc",
                .caption = "Data nascita:",
                .shape = {.width = 120}},
               {.member = txtCittadinanza,
                .control = "txtCittadinanza",
                .field = "Cittadinanza",
                .caption = "Cittadinanza:"},
               {.member = txtLuogoNasc,
                .control = "txtLuogoNasc",
                .field = "LuogoNasc",
                .caption = "Luogo nascita:"},
               {.member = txtIndirizzo,
                .control = "txtIndirizzo",
                .field = "Indirizzo",
                .caption = "Indirizzo residenza:"},
               {.member = txtCitta, .control = "txtCitta", .field = "Citta", .caption = "Città:"},
               {.member = txtCap,
                .control = "txtCap",
                .field = "Cap",
                .caption = "CAP:",
                .shape = {.width = 100}},
               {.member = txtNazione, .control = "txtNazione", .field = "Nazione", .caption = "Nazione:"},
               {.member = txtCodFisc,
                .control = "txtCodFisc",
                .field = "CodFisc",
                .caption = "Codice fiscale:",
                .flags = Code,
                .required = need + QStringLiteral("il codice fiscale del dipendente.")},
               {.member = txtCivile, .control = "txtCivile", .field = "Civile", .caption = "Stato civile:"},
               {.member = txtPartitaIva,
                .control = "txtPartitaIva",
                .field = "PartitaIva",
                .caption = "Partita IVA:",
                .input = FieldInput::Digits},
               {.member = txtStudio,
                .control = "txtStudio",
                .field = "Studio",
                .caption = "Titolo di studio:"},
               {.member = txtLingue,
                .control = "txtLingue",
                .field = "Lingue",
                .caption = "Lingue conosciute:"},
               {.member = txtEmail,
                .control = "txtEmail",
                .field = "Email",
                .caption = "E-mail:",
                .flags = TrimTyping},
               {.member = txtTel, .control = "txtTel", .field = "Tel", .caption = "Tel. casa:"},
               {.member = txtCel,
                .control = "txtCel",
                .field = "Cel",
                .caption = "Tel. cellulare:",
                .input = FieldInput::Digits,
                .required = need + QStringLiteral("il numero di cellulare dal dipendente.")},
               {.member = txtQualifica,
                .control = "txtQualifica",
                .field = "Qualifica",
                .caption = "Qualifica:",
                .required = need + QStringLiteral("la qualifica dal dipendente.")},
               {.member = txtReparto,
                .control = "txtReparto",
                .field = "Reparto",
                .caption = "Reparto:",
                .required = need + QStringLiteral("il reparto dal dipendente.")},
               {.member = txtDisponibilita,
                .control = "txtDisponibilita",
                .field = "Disponibilita",
                .caption = "Disponibilità:"},
               {.member = txtMansioni, .control = "txtMansioni", .field = "Mansioni", .caption = "Mansioni:"},
               {.member = txtIban, .control = "txtIban", .field = "Iban", .caption = "IBAN:", .flags = Code},
               {.member = txtDataAss,
                .control = "txtDataAss",
                .field = "DataAss",
                .caption = "Data assunzione:",
                .shape = {.width = 120}},
               {.member = txtRetribuzione,
                .control = "txtRetribuzione",
                .field = "Retribuzione",
                .caption = "Retribuzione:"},
               {.member = txtNote, .control = "txtNote", .field = "Note", .caption = "Note:"},
           } +
           BandRows::attachmentFields(BandRows::AttachmentFields::Plain, ResetOnDuplicate);
}

CardDefinition TfrmDipendenti::definition() {
    CardDefinition d;
    d.layout = &Archives::employees();
    d.fields = fields();
    d.hints = {
        {"cmdNuovo", QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda.")},
        {"cmdSalva", QStringLiteral("Salva la scheda in archivio.")},
        {"cmdDuplica",
         QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda duplicando i "
                        "dati correnti.")},
        {"cmdTrova", QStringLiteral("Trova una scheda in archivio.")},
        {"cmdFile", QStringLiteral("Allega file alla scheda.")},
        {"cmdStampa", QStringLiteral("Stampa la scheda.")},
        {"cmdAnteprima", QStringLiteral("Visualizza l'anteprima di stampa della scheda.")},
        {"cmdSlideshow", QStringLiteral("Esegui lo slide show.")},
        {"cmdGuida", QStringLiteral("Visualizza la guida.")},
        {"cmdEsci", QStringLiteral("Esci da questa schermata di lavoro.")},
        {"cmdPrimo", QStringLiteral("Visualizza la prima scheda in archivio.")},
        {"cmdIndietro", QStringLiteral("Visualizza la scheda precedente in archivio.")},
        {"cmdAvanti", QStringLiteral("Visualizza la scheda successiva in archivio.")},
        {"cmdUltimo", QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {"btnLavori", QStringLiteral("Registra le prestazioni lavorative svolte dal dipendente.")},
        {"btnEmail", QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
        {"btnCodFisc", QStringLiteral("Controlla il codice fiscale.")},
        {"btnPartitaIva", QStringLiteral("Controlla il numero di partita IVA.")},
        {"btnIban", QStringLiteral("Controlla l'IBAN.")},
        {"btnWebcam", QStringLiteral("Cattura la foto con una webcam.")},
        {"btnCaricaFoto", QStringLiteral("Carica una foto esistente.")},
        {"btnSalvaFoto", QStringLiteral("Salva la foto su disco.")},
        {"btnCancFoto", QStringLiteral("Cancella la foto.")},
        {"btnZoomFoto", QStringLiteral("Visualizza la foto nelle sue dimensioni reali.")},
    };
    // Duplica only works on the screen: the archive is not looked at.
    d.duplicateChecksArchive = false;
    d.onNew = [this]() { setPhoto(EmployeePhoto::placeholder()); };
    d.afterLoad = [this](qint64 n) { loadPhoto(n); };
    d.afterSave = [this](qint64 n) { savePhoto(n); };
    d.afterDuplicate = [this]() { setPhoto(EmployeePhoto::placeholder()); };
    return d;
}

void TfrmDipendenti::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (!event->spontaneous()) // shown by the program, not restored by the desktop
        m_card->newCard();
}

HandBack TfrmDipendenti::showChosen() {
    return [this, toCard = m_card->showChosen()](const Record &record, qint64 number) {
        toCard(record, number);
        loadPhoto(number);
    };
}

void TfrmDipendenti::setPhoto(const QImage &picture) {
    m_photo = picture.isNull() ? EmployeePhoto::placeholder() : picture;
    m_keepStoredPhoto = false;
    imgFoto->setPixmap(framed(m_photo));
}

void TfrmDipendenti::loadPhoto(qint64 number) {
    bool unreadable = false;
    setPhoto(EmployeePhoto::load(number, &unreadable));
    m_keepStoredPhoto = unreadable;
}

// The record is saved already; a photo that cannot be written is said so,
// and stays in the frame so that the next Salva can try again.
void TfrmDipendenti::savePhoto(qint64 number) {
    if (m_keepStoredPhoto || EmployeePhoto::save(number, m_photo))
        return;
    Messages::warning(this, QStringLiteral("Attenzione: la scheda è stata salvata, ma non è stato possibile "
                                           "salvare la foto del dipendente nel file ") +
                                QDir::toNativeSeparators(EmployeePhoto::path(number)) +
                                QStringLiteral(".\n\r\n\rAccertarsi di possedere i privilegi di scrittura "
                                               "nella cartella Anagrafica e premere di nuovo Salva."));
}

void TfrmDipendenti::cmdTrovaClick() {
    auto *search = new TfrmTrovaDipendenti(this);
    search->setAttribute(Qt::WA_DeleteOnClose);
    search->lblMemory->setText(QStringLiteral("dipendenti"));
    search->setHandBack(showChosen());
    search->exec();
}

void TfrmDipendenti::btnLavoriClick() {
    const QString need =
        QStringLiteral("Attenzione: per registrare le prestazioni lavorative è necessario indicare ");
    if (m_card->position() == 0) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: la registrazione delle prestazioni lavorative può "
                                         "avvenire soltanto dopo aver salvato la scheda del dipendente."));
        return;
    }
    const QString name = Text::trim(txtDipendente->text());
    if (name.isEmpty()) {
        Messages::warning(this, need + QStringLiteral("il nome del dipendente."));
        txtDipendente->setFocus();
        return;
    }
    const QString code = Text::trim(txtCodFisc->text());
    if (code.isEmpty()) {
        Messages::warning(this, need + QStringLiteral("il codice fiscale del dipendente."));
        txtCodFisc->setFocus();
        return;
    }
    if (!WorkFile::acceptsTaxCode(code)) {
        Messages::warning(this, WorkFile::refusedTaxCodeText(code));
        txtCodFisc->setFocus();
        return;
    }
    auto *work = new TfrmLavori_Svolti(this, name, code);
    work->setAttribute(Qt::WA_DeleteOnClose);
    work->exec();
}

void TfrmDipendenti::btnEmailClick() { TMisc::Open(TMisc::mailCommand(Text::trim(txtEmail->text()))); }
