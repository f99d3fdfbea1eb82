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
    buildScreen();
    buildCard();
}

void TfrmDipendenti::buildScreen() {
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
    btnLavori = CardParts::command(photoBand, "btnLavori", QStringLiteral("PRESTAZIONI"),
                                   QIcon(Artwork::icon(Artwork::Glyph::Cleaning, 32, QColor(52, 140, 110))));
    photoBand->grid()->addWidget(btnLavori, 3, 0);

    // The fields, in three bands.
    using BandRows::Rows;
    const BandRows::RowLook look{.gap = 14};
    const QIcon done = CardIcons::icon(Symbol::Done);

    auto *personal = new CardBand(QStringLiteral("DATI ANAGRAFICI"), kBand, background);
    personal->setObjectName(QStringLiteral("panAnagrafica"));
    Rows p(personal, look);
    p.row({{"Cognome e nome:", p.edit(txtDipendente, "txtDipendente")},
           {"Sesso:", p.edit(txtSesso, "txtSesso", {.width = 44, .centred = true})},
           {"Data nascita:", p.edit(txtDataNasc, "txtDataNasc", {.width = 120})}});
    p.row({{"Cittadinanza:", p.edit(txtCittadinanza, "txtCittadinanza")},
           {"Luogo nascita:", p.edit(txtLuogoNasc, "txtLuogoNasc")}});
    p.row({{"Indirizzo residenza:", p.edit(txtIndirizzo, "txtIndirizzo")}});
    p.row({{"Città:", p.edit(txtCitta, "txtCitta")},
           {"CAP:", p.edit(txtCap, "txtCap", {.width = 100})},
           {"Nazione:", p.edit(txtNazione, "txtNazione")}});
    p.row({{"Codice fiscale:", p.beside({{nullptr, p.edit(txtCodFisc, "txtCodFisc")},
                                         {nullptr, p.button(btnCodFisc, "btnCodFisc", done)}},
                                        4)},
           {"Stato civile:", p.edit(txtCivile, "txtCivile")},
           {"Partita IVA:", p.beside({{nullptr, p.edit(txtPartitaIva, "txtPartitaIva")},
                                      {nullptr, p.button(btnPartitaIva, "btnPartitaIva", done)}},
                                     4)}});
    p.row({{"Titolo di studio:", p.edit(txtStudio, "txtStudio")},
           {"Lingue conosciute:", p.edit(txtLingue, "txtLingue")}});

    auto *contacts = new CardBand(QStringLiteral("RECAPITI"), kBand, background);
    contacts->setObjectName(QStringLiteral("panRecapiti"));
    Rows c(contacts, look);
    c.row({{"E-mail:", c.beside({{nullptr, c.edit(txtEmail, "txtEmail")},
                                 {nullptr, c.button(btnEmail, "btnEmail", CardIcons::icon(Symbol::Mail))}},
                                4)},
           {"Tel. casa:", c.edit(txtTel, "txtTel")},
           {"Tel. cellulare:", c.edit(txtCel, "txtCel")}});

    auto *job = new CardBand(QStringLiteral("DATI PROFESSIONALI"), kBand, background);
    job->setObjectName(QStringLiteral("panLavoro"));
    Rows j(job, look);
    j.row({{"Qualifica:", j.edit(txtQualifica, "txtQualifica")},
           {"Reparto:", j.edit(txtReparto, "txtReparto")}});
    j.row({{"Disponibilità:", j.edit(txtDisponibilita, "txtDisponibilita")}});
    j.row({{"Mansioni:", j.edit(txtMansioni, "txtMansioni")}});
    j.row({{"IBAN:",
            j.beside({{nullptr, j.edit(txtIban, "txtIban")}, {nullptr, j.button(btnIban, "btnIban", done)}},
                     4)},
           {"Data assunzione:", j.edit(txtDataAss, "txtDataAss", {.width = 120})}});
    j.row({{"Retribuzione:", j.edit(txtRetribuzione, "txtRetribuzione")}});
    j.row({{"Note:", j.edit(txtNote, "txtNote")}});

    std::tie(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03) =
        BandRows::attachmentLabels(background);
    btnFocus = new QPushButton(background);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setFixedSize(0, 0);

    panInfo = CardParts::hintPanel(background, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const CardParts::Navigation navigation = CardParts::navigationRow(background);
    navigation.handTo(*this);

    // The photo and the bands scroll under the commands where the screen is too low for them.
    auto *fields = new QVBoxLayout;
    fields->setSpacing(10);
    fields->addWidget(personal);
    fields->addWidget(contacts);
    fields->addWidget(job);
    fields->addStretch();
    auto *main = new QHBoxLayout;
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(14);
    main->addWidget(photoBand);
    main->addLayout(fields, 1);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(14);
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

void TfrmDipendenti::buildCard() {
    CardDefinition d;
    d.layout = &Archives::employees();
    const unsigned code = FieldFlag::TrimTyping | FieldFlag::UpperTyping;
    d.fields = {
        {.control = "txtDipendente", .field = "Dipendente"},
        {.control = "txtSesso", .field = "Sesso", .flags = code},
        {.control = "txtDataNasc", .field = "DataNasc"},
        {.control = "txtCittadinanza", .field = "Cittadinanza"},
        {.control = "txtLuogoNasc", .field = "LuogoNasc"},
        {.control = "txtIndirizzo", .field = "Indirizzo"},
        {.control = "txtCitta", .field = "Citta"},
        {.control = "txtCap", .field = "Cap"},
        {.control = "txtNazione", .field = "Nazione"},
        {.control = "txtCodFisc", .field = "CodFisc", .flags = code},
        {.control = "txtCivile", .field = "Civile"},
        {.control = "txtPartitaIva", .field = "PartitaIva", .input = FieldInput::Digits},
        {.control = "txtStudio", .field = "Studio"},
        {.control = "txtLingue", .field = "Lingue"},
        {.control = "txtEmail", .field = "Email", .flags = FieldFlag::TrimTyping},
        {.control = "txtTel", .field = "Tel"},
        {.control = "txtCel", .field = "Cel", .input = FieldInput::Digits},
        {.control = "txtQualifica", .field = "Qualifica"},
        {.control = "txtReparto", .field = "Reparto"},
        {.control = "txtDisponibilita", .field = "Disponibilita"},
        {.control = "txtMansioni", .field = "Mansioni"},
        {.control = "txtIban", .field = "Iban", .flags = code},
        {.control = "txtDataAss", .field = "DataAss"},
        {.control = "txtRetribuzione", .field = "Retribuzione"},
        {.control = "txtNote", .field = "Note"},
        {.control = "lblFile01", .field = "File01", .flags = FieldFlag::ResetOnDuplicate},
        {.control = "lblFile02", .field = "File02", .flags = FieldFlag::ResetOnDuplicate},
        {.control = "lblFile03", .field = "File03", .flags = FieldFlag::ResetOnDuplicate},
        {.control = "lblDesc01", .field = "Desc01", .flags = FieldFlag::ResetOnDuplicate},
        {.control = "lblDesc02", .field = "Desc02", .flags = FieldFlag::ResetOnDuplicate},
        {.control = "lblDesc03", .field = "Desc03", .flags = FieldFlag::ResetOnDuplicate},
    };
    for (const CardField &f : std::as_const(d.fields))
        if (QLatin1String(f.control).startsWith(QLatin1String("txt")))
            d.enterOrder.append(f.control);
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    d.required = {
        {"txtDipendente", need + QStringLiteral("cognome e nome del dipendente.")},
        {"txtCodFisc", need + QStringLiteral("il codice fiscale del dipendente.")},
        {"txtCel", need + QStringLiteral("il numero di cellulare dal dipendente.")},
        {"txtQualifica", need + QStringLiteral("la qualifica dal dipendente.")},
        {"txtReparto", need + QStringLiteral("il reparto dal dipendente.")},
    };
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
    d.firstField = "txtDipendente";
    // Duplica only works on the screen: the archive is not looked at.
    d.duplicateChecksArchive = false;
    d.onNew = [this]() { setPhoto(EmployeePhoto::placeholder()); };
    d.afterLoad = [this](qint64 n) { loadPhoto(n); };
    d.afterSave = [this](qint64 n) { savePhoto(n); };
    d.afterDuplicate = [this]() { setPhoto(EmployeePhoto::placeholder()); };
    m_card = new CardScreen(this, std::move(d));
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
