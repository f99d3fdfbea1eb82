// Every screen that writes, on a program folder the user cannot write to: it
// shows its own message, keeps what the user typed and leaves every file as it
// was. One row per writing action; a new screen adds its rows to the table.
#include "FullDisk.h"
#include "ReadOnly.h"
#include "TestEnv.h"
#include "appointments/agenda/Agenda.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/exports/ExpGiornaliere.h"
#include "appointments/exports/ExpImminenti.h"
#include "appointments/exports/ExpMensili.h"
#include "appointments/exports/ExpScadenzario.h"
#include "backup/Salvataggio.h"
#include "clients/AllegaExcel.h"
#include "clients/ClientPrint.h"
#include "clients/Clienti.h"
#include "clients/ExpClienti.h"
#include "contracts/print/ContractLogo.h"
#include "contracts/card/Contratto.h"
#include "contracts/card/ExpContratti.h"
#include "contracts/print/Logo.h"
#include "contracts/card/Numerazione.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "employees/card/Dipendenti.h"
#include "employees/photo/EmployeePhoto.h"
#include "employees/register/Lavori_Svolti.h"
#include "privacy/Privacy.h"
#include "shell/Application.h"
#include "shell/CambiaPassword.h"
#include "shell/Password.h"
#include "shell/PasswordStore.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/card/CardScreen.h"
#include "overview/Andamento.h"
#include "ui/export/ExportGrid.h"
#include "ui/export/GridModel.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <map>
#include <memory>

namespace {

const QDate kToday(2024, 3, 15);
const QByteArray kPasswordStore = "[Accesso]\r\nValore=5EE66662641A2EB1394199220485\r\n"; // "pergolatoviola"

QByteArray appointment(const QString &date, const QString &contact, const QString &note) {
    Record r(Archives::appointments());
    r.set("Data", date);
    r.set("Avviso", QStringLiteral("30"));
    r.set("Causale", QStringLiteral("Pulizia uffici"));
    r.set("Contatto", contact);
    r.set("Cel", QStringLiteral("3331234567"));
    r.set("Note", note);
    r.set("Ottemperata", QStringLiteral("No"));
    return r.bytes();
}

// What the folder holds: every file with its bytes.
std::map<QString, QByteArray> snapshot(const QString &folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files[path] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

void type(QWidget *w, const QString &text) {
    w->setFocus();
    QTest::keyClicks(w, text);
}

// One writing action of one screen.
struct WritingAction {
    // Writes the files the screen starts from, then opens it and types (the folder is still writable).
    std::function<std::shared_ptr<QWidget>(ScreenSeams &)> open;
    // The click that writes.
    std::function<void(QWidget *)> act;
    MessageKind kind;
    QString message;
    // What the user typed or sees is still there.
    std::function<void(QWidget *)> kept;
};

// The appointment card, shown, on a new card with the required fields and a note.
std::shared_ptr<QWidget> newAppointmentCard(ScreenSeams &) {
    auto card = std::make_shared<TfrmArchivio_Scadenze>();
    card->show();
    card->txtData->setText(QStringLiteral("05/03/2024"));
    type(card->txtCausale, QStringLiteral("Pulizia uffici"));
    type(card->txtContatto, QStringLiteral("Rossi Mario"));
    type(card->txtCel, QStringLiteral("3331234567"));
    type(card->txtNote, QStringLiteral("da non perdere"));
    return card;
}

// The appointment card on stored record 1, with its note changed.
std::shared_ptr<QWidget> storedAppointmentCard(ScreenSeams &seams) {
    seams.folder.write(
        Archives::appointments().fileName(),
        appointment(QStringLiteral("05/03/2024"), QStringLiteral("Rossi Mario"), QStringLiteral("vecchia")));
    auto card = std::make_shared<TfrmArchivio_Scadenze>();
    card->show();
    card->cmdPrimo->click();
    card->txtNote->selectAll();
    type(card->txtNote, QStringLiteral("da non perdere"));
    return card;
}

void cardKeepsTheNote(QWidget *w, const QString &position) {
    auto *card = static_cast<TfrmArchivio_Scadenze *>(w);
    QCOMPARE(card->txtNote->text(), QStringLiteral("da non perdere"));
    QCOMPARE(card->txtContatto->text(), QStringLiteral("Rossi Mario"));
    QCOMPARE(card->lblPosizione->text(), position);
}

// Opens the repetition screen with its command, clicks Crea appuntamenti and
// leaves the screen.
void repeatAndCreate(QToolButton *command) {
    whenModal([](QWidget *screen) {
        // The visits ask the card's required fields: a contract's client
        // not in the archive has no mobile until one is typed.
        if (auto *mobile = screen->findChild<QLineEdit *>(QStringLiteral("txtCel")); mobile && mobile->text().isEmpty())
            mobile->setText(QStringLiteral("3331234567"));
        screen->findChild<QPushButton *>(QStringLiteral("cmdCrea"))->click();
        if (screen->isVisible())
            static_cast<QDialog *>(screen)->reject();
    });
    command->click();
}

// An export grid over two appointments, both imminent, on today's day and month.
template <class Grid, class... Args> WritingAction exportRow(Args... args) {
    return {[args...](ScreenSeams &seams) -> std::shared_ptr<QWidget> {
                seams.folder.write(
                    Archives::appointments().fileName(),
                    appointment(QStringLiteral("15/03/2024"), QStringLiteral("Rossi"), QString()) +
                        appointment(QStringLiteral("20/03/2024"), QStringLiteral("Bianchi"), QString()));
                auto grid = std::make_shared<Grid>(args...);
                grid->show();
                return grid;
            },
            [](QWidget *w) { static_cast<ExportGrid *>(w)->cmdEsporta->click(); }, MessageKind::Plain,
            ExportGrid::failureText(),
            [](QWidget *w) {
                auto *grid = static_cast<ExportGrid *>(w);
                QVERIFY(grid->isVisible());
                QVERIFY(grid->model()->rows() > 0); // the grid still shows what was to be exported
            }};
}

// The password change, typed in full on the screen the login opens.
std::shared_ptr<QWidget> passwordChange(ScreenSeams &seams) {
    seams.folder.write(QStringLiteral("unins000.dll"), kPasswordStore);
    Tersalia::Screens s = Tersalia::createScreens();
    s.password->show();
    s.password->btnCambiaPassword->click();
    s.cambiaPassword->txtPasswordOld->insert(QStringLiteral("pergolatoviola"));
    s.cambiaPassword->txtPasswordNew->insert(QStringLiteral("nuova"));
    s.cambiaPassword->txtConferma->insert(QStringLiteral("nuova"));
    // The screens live until the row ends; the shared pointer ends them.
    return std::shared_ptr<QWidget>(s.cambiaPassword, [](QWidget *) { Tersalia::destroyScreens(); });
}

QByteArray client(const QString &name, const QString &note) {
    Record r(Archives::clients());
    r.set("Cliente", name);
    r.set("TelCel", QStringLiteral("3331234567"));
    r.set("CodFisc", QStringLiteral("RSSMRA80A01H501U"));
    r.set("Note", note);
    return r.bytes();
}

QByteArray contract(const QString &number, const QString &customer) {
    Record r(Archives::contracts());
    r.set("txtNumContratto", number);
    r.set("txtData", QStringLiteral("01/03/2024"));
    r.set("txtDitta", QStringLiteral("Pulizie Rapide S.r.l."));
    r.set("txtCliente", customer);
    return r.bytes();
}

// The client card from the main screens, on a new card with the required
// fields typed, or on stored record 1 with its client's name changed.
std::shared_ptr<QWidget> clientCard(ScreenSeams &seams, bool stored) {
    if (stored)
        seams.folder.write(Archives::clients().fileName(),
                           client(QStringLiteral("Rossi"), QStringLiteral("x")));
    TfrmClienti *card = Tersalia::createScreens().clienti;
    card->openModule();
    if (stored) {
        card->cmdPrimo->click();
        card->txtCliente->selectAll();
    } else {
        type(card->txtTelCel, QStringLiteral("3331234567"));
        type(card->txtCodFisc, QStringLiteral("RSSMRA80A01H501U"));
    }
    type(card->txtCliente, QStringLiteral("Rossi Mario"));
    return std::shared_ptr<QWidget>(card, [](QWidget *) { Tersalia::destroyScreens(); });
}

void clientKept(QWidget *w, const QString &position) {
    auto *card = static_cast<TfrmClienti *>(w);
    QCOMPARE(card->txtCliente->text(), QStringLiteral("Rossi Mario"));
    QCOMPARE(card->txtTelCel->text(), QStringLiteral("3331234567"));
    QCOMPARE(card->lblPosizione->text(), position);
}

// The contract card, new with the required fields typed, or on stored record 1
// with its customer changed.
std::shared_ptr<QWidget> contractCard(ScreenSeams &seams, bool stored) {
    if (stored)
        seams.folder.write(Archives::contracts().fileName(),
                           contract(QStringLiteral("7"), QStringLiteral("Bianchi")));
    auto card = std::make_shared<TfrmContratto>();
    card->show();
    if (stored) {
        card->cmdPrimo->click();
        card->txtCliente->selectAll();
    } else {
        card->txtNumContratto->setText(QStringLiteral("7"));
        card->txtData->setText(QStringLiteral("01/03/2024"));
        type(card->txtDitta, QStringLiteral("Pulizie Rapide S.r.l."));
    }
    type(card->txtCliente, QStringLiteral("Rossi Mario"));
    return card;
}

void contractKept(QWidget *w, const QString &position) {
    auto *card = static_cast<TfrmContratto *>(w);
    QCOMPARE(card->txtCliente->text(), QStringLiteral("Rossi Mario"));
    QCOMPARE(card->txtDitta->text(), QStringLiteral("Pulizie Rapide S.r.l."));
    QCOMPARE(card->lblPosizione->text(), position);
}

// An export grid of another module over two records of its archive.
template <class Grid> WritingAction moduleExportRow(const RecordLayout &layout, QByteArray records) {
    WritingAction row = exportRow<Grid>();
    row.open = [&layout, records](ScreenSeams &seams) -> std::shared_ptr<QWidget> {
        seams.folder.write(layout.fileName(), records);
        auto grid = std::make_shared<Grid>();
        grid->show();
        return grid;
    };
    return row;
}

template <class Screen, class Button> void click(QWidget *w, Button *Screen::*button) {
    (static_cast<Screen *>(w)->*button)->click();
}

// A screen made here, with what must live as long as it (scripted file
// dialogs, say) ending with it.
std::shared_ptr<QWidget> owned(QWidget *screen, std::shared_ptr<void> companion = {}) {
    return std::shared_ptr<QWidget>(screen, [companion](QWidget *w) { delete w; });
}

// A list screen with an entry panel (services supplied, work register), on
// one stored line; new: Aggiungi voce with the fields typed; otherwise
// Modifica voce on that line with one field changed. The first field typed is
// the one checked afterwards.
struct EntryScreen {
    std::function<QWidget *(ScreenSeams &)> make; // writes its file with one line first
    std::function<QList<QLineEdit *>(QWidget *)> fields;
    QStringList typed;
};

template <class Screen> WritingAction entryRow(EntryScreen screen, bool change) {
    return {[screen, change](ScreenSeams &seams) -> std::shared_ptr<QWidget> {
                auto *s = static_cast<Screen *>(screen.make(seams));
                s->show();
                const QList<QLineEdit *> fields = screen.fields(s);
                if (change) {
                    s->list->lstRecords->selectRow(0);
                    s->btnModifica->click();
                    fields.front()->setText(screen.typed.front());
                } else {
                    s->btnAggiungi->click();
                    for (int i = 0; i < fields.size(); ++i)
                        fields[i]->setText(screen.typed[i]);
                }
                return owned(s);
            },
            [](QWidget *w) { click(w, &Screen::btnSalva); }, MessageKind::Warning,
            CardScreen::archiveFailureText(),
            [screen, change](QWidget *w) {
                auto *s = static_cast<Screen *>(w);
                QVERIFY(s->panCosti->isVisible()); // still on the entry panel
                QCOMPARE(screen.fields(s).front()->text(), screen.typed.front());
                QCOMPARE(s->lblPosizione->text(), change ? QStringLiteral("1") : QString());
                QCOMPARE(s->list->lstRecords->listModel()->count(), 1);
            }};
}

QByteArray service(const QString &what) {
    Record r(Archives::services());
    r.set("Data", QStringLiteral("01/03/2024"));
    r.set("Ora", QStringLiteral("10:00"));
    r.set("Servizi", what);
    r.set("Agente", QStringLiteral("Anna"));
    r.set("Importo", QStringLiteral("50,00"));
    return r.bytes();
}

// The services of client 2.
EntryScreen services() {
    return {[](ScreenSeams &seams) -> QWidget * {
                seams.folder.write(Archives::servicesFileName(2), service(QStringLiteral("Vetri")));
                return new TfrmAllegaExcel(nullptr, 2, QStringLiteral("Rossi Mario"));
            },
            [](QWidget *w) {
                auto *s = static_cast<TfrmAllegaExcel *>(w);
                return QList<QLineEdit *>{s->txtServizi, s->txtData, s->txtOra, s->txtAgente, s->txtImporto};
            },
            {QStringLiteral("Pulizia scale"), QStringLiteral("05/03/2024"), QStringLiteral("09:30"),
             QStringLiteral("Bruno"), QStringLiteral("80,00")}};
}

const QString kTaxCode = QStringLiteral("RSSMRA80A01H501U");

// The work register of an employee.
EntryScreen workRegister() {
    return {
        [](ScreenSeams &seams) -> QWidget * {
            Record r(Archives::works());
            r.set("Data", QStringLiteral("01/03/2024"));
            r.set("Attivita", QStringLiteral("Pulizia uffici"));
            r.set("Luogo", QStringLiteral("Forlì"));
            r.set("Orario", QStringLiteral("8-12"));
            r.set("TotOre", QStringLiteral("4"));
            QDir().mkpath(seams.folder.file(Archives::worksFolderName()));
            seams.folder.write(Archives::worksFolderName() + QLatin1Char('/') +
                                   Archives::worksFileName(kTaxCode),
                               r.bytes());
            return new TfrmLavori_Svolti(nullptr, QStringLiteral("Rossi Mario"), kTaxCode);
        },
        [](QWidget *w) {
            auto *s = static_cast<TfrmLavori_Svolti *>(w);
            return QList<QLineEdit *>{s->txtAttivita, s->txtData, s->txtLuogo, s->txtOrario, s->txtTotOre};
        },
        {QStringLiteral("Pulizia scale"), QStringLiteral("05/03/2024"), QStringLiteral("Cesena"),
         QStringLiteral("14-18"), QStringLiteral("4")}};
}

// A picture file for the photo and logo screens to choose.
QImage solid(QColor color, QSize size = QSize(60, 80)) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    return img;
}

QByteArray bmp(const QImage &picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

// The employee card, new with the required fields typed, or on stored record
// 1 (with its photo) with its name changed; with a photo chosen through
// "Carica foto" when asked.
std::shared_ptr<QWidget> employeeCard(ScreenSeams &seams, bool stored, bool choosePhoto) {
    if (stored) {
        Record r(Archives::employees());
        r.set("Dipendente", QStringLiteral("Rossi"));
        r.set("CodFisc", kTaxCode);
        r.set("Cel", QStringLiteral("3331234567"));
        r.set("Qualifica", QStringLiteral("Operaio"));
        r.set("Reparto", QStringLiteral("Uffici"));
        seams.folder.write(Archives::employees().fileName(), r.bytes());
        QDir().mkpath(seams.folder.file(QStringLiteral("Anagrafica")));
        seams.folder.write(QStringLiteral("Anagrafica/Scheda_Dipendente_1.jpg"), bmp(solid(Qt::blue)));
    }
    auto *card = new TfrmDipendenti;
    card->show();
    if (stored) {
        card->cmdPrimo->click();
        card->txtDipendente->selectAll();
    } else {
        type(card->txtCodFisc, kTaxCode);
        type(card->txtCel, QStringLiteral("3331234567"));
        type(card->txtQualifica, QStringLiteral("Operaio"));
        type(card->txtReparto, QStringLiteral("Uffici"));
    }
    type(card->txtDipendente, QStringLiteral("Rossi Mario"));
    if (choosePhoto) {
        seams.folder.write(QStringLiteral("scelta.bmp"), bmp(solid(Qt::red)));
        ScriptedFileDialogs dialogs;
        dialogs.nextNames = {seams.folder.file(QStringLiteral("scelta.bmp"))};
        card->btnCaricaFoto->click();
    }
    return owned(card);
}

WritingAction employeeRow(bool stored, bool choosePhoto) {
    return {[stored, choosePhoto](ScreenSeams &s) { return employeeCard(s, stored, choosePhoto); },
            [](QWidget *w) { click(w, &TfrmDipendenti::cmdSalva); }, MessageKind::Error,
            CardScreen::archiveFailureText(),
            [stored, choosePhoto](QWidget *w) {
                auto *card = static_cast<TfrmDipendenti *>(w);
                QCOMPARE(card->txtDipendente->text(), QStringLiteral("Rossi Mario"));
                QCOMPARE(card->txtCodFisc->text(), kTaxCode);
                QCOMPARE(card->lblPosizione->text(), stored ? QStringLiteral("1") : QString());
                // The photo in the frame is the one the next Salva writes.
                const QImage expected =
                    choosePhoto ? solid(Qt::red)
                    : stored    ? solid(Qt::blue)
                                : EmployeePhoto::placeholder().convertToFormat(QImage::Format_RGB32);
                QCOMPARE(card->photo().convertToFormat(QImage::Format_RGB32), expected);
            }};
}

// The privacy screen with the company's and the client's data typed.
std::shared_ptr<QWidget> privacyScreen(ScreenSeams &seams) {
    seams.folder.write(QStringLiteral("Liberatoria_Privacy.ini"),
                       "[Modulo Privacy]\r\nDenominazione Impresa=Vecchia S.r.l.\r\n");
    seams.folder.write(QStringLiteral("Modulo_Privacy.rtf"), "{\\rtf1 il modulo di prima}");
    auto *screen = new TfrmPrivacy;
    screen->show();
    screen->txtStudioDent->selectAll();
    type(screen->txtStudioDent, QStringLiteral("Pulizie Splendor S.r.l."));
    type(screen->txtPaziente, QStringLiteral("Rossi Mario"));
    return owned(screen);
}

void privacyKept(QWidget *w) {
    auto *screen = static_cast<TfrmPrivacy *>(w);
    QCOMPARE(screen->txtStudioDent->text(), QStringLiteral("Pulizie Splendor S.r.l."));
    QCOMPARE(screen->txtPaziente->text(), QStringLiteral("Rossi Mario"));
}

// The contract screen with the company's data changed, about to close.
std::shared_ptr<QWidget> contractCompany(ScreenSeams &seams) {
    seams.folder.write(QStringLiteral("Contratti.ini"),
                       "[Ditta Pulizie]\r\nDenominazione=Vecchia S.r.l.\r\n");
    auto *card = new TfrmContratto;
    card->show();
    card->txtDitta->selectAll();
    type(card->txtDitta, QStringLiteral("Pulizie Rapide S.r.l."));
    type(card->txtSede, QStringLiteral("Cesena"));
    return owned(card);
}

// The numbering screen of the contracts, with a new start typed.
std::shared_ptr<QWidget> numbering(ScreenSeams &seams) {
    seams.folder.write(QStringLiteral("Contratti.ini"), "[Numerazione Contratti]\r\nInizio=10\r\n");
    auto *screen = new TfrmNumerazione;
    screen->lblMemory->setText(QStringLiteral("contratti"));
    screen->show();
    screen->txtInizio->selectAll();
    type(screen->txtInizio, QStringLiteral("25"));
    return owned(screen);
}

// The logo screen on a stored logo, with another picture chosen through Sfoglia.
std::shared_ptr<QWidget> logoScreen(ScreenSeams &seams) {
    seams.folder.write(ContractLogo::fileName(), bmp(solid(Qt::blue)));
    seams.folder.write(QStringLiteral("nuovo_logo.bmp"), bmp(solid(Qt::red)));
    auto *screen = new TfrmLogo;
    screen->show();
    ScriptedFileDialogs dialogs;
    dialogs.nextNames = {seams.folder.file(QStringLiteral("nuovo_logo.bmp"))};
    screen->btnSfoglia->click();
    return owned(screen);
}

// The attachments of a client card, slot 1 naming an earlier attachment, a
// description typed, a file of the program folder to be chosen by Sfoglia
// (readable by everyone, so only the copy can fail). With sameName, the
// folder already holds a file of the chosen name (replacing it is confirmed).
std::shared_ptr<QWidget> attachments(ScreenSeams &seams, bool sameName) {
    QDir().mkpath(TfrmAllegaCartella::folder());
    seams.folder.write(QStringLiteral("Documenti_Allegati/vecchio.pdf"), "earlier attachment");
    if (sameName)
        seams.folder.write(QStringLiteral("Documenti_Allegati/preventivo.pdf"), "earlier quote");
    seams.folder.write(QStringLiteral("preventivo.pdf"), "the quote chosen now");
    auto *screen = new TfrmAllegaCartella;
    screen->lblMemory->setText(QStringLiteral("clienti"));
    screen->setBlock({{QStringLiteral("vecchio.pdf")}, {}});
    screen->show();
    type(screen->txtDesc01, QStringLiteral("Preventivo firmato"));
    auto dialogs = std::make_shared<ScriptedFileDialogs>();
    dialogs->nextNames = {seams.folder.file(QStringLiteral("preventivo.pdf"))};
    return owned(screen, dialogs);
}

WritingAction attachmentRow(bool sameName) {
    return {[sameName](ScreenSeams &s) { return attachments(s, sameName); },
            [](QWidget *w) { static_cast<TfrmAllegaCartella *>(w)->btnSfogliaClick(0); }, MessageKind::Error,
            TfrmAllegaCartella::copyFailedText(),
            [](QWidget *w) {
                auto *screen = static_cast<TfrmAllegaCartella *>(w);
                QVERIFY(screen->isVisible());
                QCOMPARE(screen->txtFile01->text(), QStringLiteral("vecchio.pdf")); // not the file not copied
                QCOMPARE(screen->txtDesc01->text(), QStringLiteral("Preventivo firmato"));
            }};
}

// The backup screen, its copy going to a folder the user can write to: only
// the note of the copy's date stays behind in the program folder.
std::shared_ptr<QWidget> backupScreen(ScreenSeams &seams) {
    seams.folder.write(Archives::clients().fileName(), QByteArray(Archives::clients().size(), 'c'));
    struct Companions {
        ScriptedFileDialogs dialogs;
        QTemporaryDir copies;
    };
    auto companions = std::make_shared<Companions>();
    QFile::setPermissions(companions->copies.path(), QFileDevice::Permissions(0x7777));
    companions->dialogs.nextNames = {companions->copies.path()};
    auto *screen = new TfrmSalvataggio;
    screen->show();
    return owned(screen, companions);
}

const std::map<QString, WritingAction> &writingActions() {
    static const std::map<QString, WritingAction> table = {
        {QStringLiteral("appointment card: save a new card"),
         {newAppointmentCard, [](QWidget *w) { static_cast<TfrmArchivio_Scadenze *>(w)->cmdSalva->click(); },
          MessageKind::Error, CardScreen::archiveFailureText(),
          [](QWidget *w) { cardKeepsTheNote(w, QString()); }}},
        {QStringLiteral("appointment card: save a stored card"),
         {storedAppointmentCard,
          [](QWidget *w) { static_cast<TfrmArchivio_Scadenze *>(w)->cmdSalva->click(); }, MessageKind::Error,
          CardScreen::archiveFailureText(), [](QWidget *w) { cardKeepsTheNote(w, QStringLiteral("1")); }}},
        {QStringLiteral("appointment card: duplicate"),
         {storedAppointmentCard,
          [](QWidget *w) { static_cast<TfrmArchivio_Scadenze *>(w)->cmdDuplica->click(); },
          MessageKind::Error, CardScreen::archiveFailureText(),
          [](QWidget *w) { cardKeepsTheNote(w, QString()); }}},
        {QStringLiteral("appointment card: repeat a new card"),
         {newAppointmentCard,
          [](QWidget *w) { repeatAndCreate(static_cast<TfrmArchivio_Scadenze *>(w)->cmdRipeti); },
          MessageKind::Error, CardScreen::archiveFailureText(),
          [](QWidget *w) { cardKeepsTheNote(w, QString()); }}},
        {QStringLiteral("contract screen: plan the visits"),
         {[](ScreenSeams &s) { return contractCard(s, false); },
          [](QWidget *w) { repeatAndCreate(static_cast<TfrmContratto *>(w)->cmdPianifica); },
          MessageKind::Error, CardScreen::archiveFailureText(),
          [](QWidget *w) { contractKept(w, QString()); }}},
        {QStringLiteral("appointment archive export"), exportRow<TfrmExpScadenzario>()},
        {QStringLiteral("imminent appointments export"), exportRow<TfrmExpImminenti>()},
        {QStringLiteral("day's appointments export"), exportRow<TfrmExpGiornaliere>(kToday)},
        {QStringLiteral("month's appointments export"), exportRow<TfrmExpMensili>(kToday)},
        {QStringLiteral("client card: save a new card"),
         {[](ScreenSeams &s) { return clientCard(s, false); },
          [](QWidget *w) { click(w, &TfrmClienti::cmdSalva); }, MessageKind::Error,
          CardScreen::archiveFailureText(), [](QWidget *w) { clientKept(w, QString()); }}},
        {QStringLiteral("client card: save a stored card"),
         {[](ScreenSeams &s) { return clientCard(s, true); },
          [](QWidget *w) { click(w, &TfrmClienti::cmdSalva); }, MessageKind::Error,
          CardScreen::archiveFailureText(), [](QWidget *w) { clientKept(w, QStringLiteral("1")); }}},
        {QStringLiteral("client card: duplicate"),
         {[](ScreenSeams &s) { return clientCard(s, true); },
          [](QWidget *w) { click(w, &TfrmClienti::cmdDuplica); }, MessageKind::Error,
          CardScreen::archiveFailureText(), [](QWidget *w) { clientKept(w, QString()); }}},
        {QStringLiteral("client export"),
         moduleExportRow<TfrmExpClienti>(Archives::clients(),
                                         client(QStringLiteral("Rossi"), QString()) +
                                             client(QStringLiteral("Bianchi"), QString()))},
        {QStringLiteral("contract card: save a new card"),
         {[](ScreenSeams &s) { return contractCard(s, false); },
          [](QWidget *w) { click(w, &TfrmContratto::cmdSalva); }, MessageKind::Warning,
          CardScreen::archiveFailureText(), [](QWidget *w) { contractKept(w, QString()); }}},
        {QStringLiteral("contract card: save a stored card"),
         {[](ScreenSeams &s) { return contractCard(s, true); },
          [](QWidget *w) { click(w, &TfrmContratto::cmdSalva); }, MessageKind::Warning,
          CardScreen::archiveFailureText(), [](QWidget *w) { contractKept(w, QStringLiteral("1")); }}},
        {QStringLiteral("contract card: duplicate"),
         {[](ScreenSeams &s) { return contractCard(s, true); },
          [](QWidget *w) { click(w, &TfrmContratto::cmdDuplica); }, MessageKind::Error,
          CardScreen::archiveFailureText(), [](QWidget *w) { contractKept(w, QString()); }}},
        {QStringLiteral("contract export"),
         moduleExportRow<TfrmExpContratti>(Archives::contracts(),
                                           contract(QStringLiteral("7"), QStringLiteral("Rossi")) +
                                               contract(QStringLiteral("8"), QStringLiteral("Bianchi")))},
        {QStringLiteral("services: add a service"), entryRow<TfrmAllegaExcel>(services(), false)},
        {QStringLiteral("services: change a service"), entryRow<TfrmAllegaExcel>(services(), true)},
        {QStringLiteral("client card: Contatto.pdf"),
         {[](ScreenSeams &s) { return clientCard(s, true); },
          [](QWidget *w) { click(w, &TfrmClienti::cmdPDF); }, MessageKind::Error,
          ClientPrint::pdfNotWrittenText(), [](QWidget *w) { clientKept(w, QStringLiteral("1")); }}},
        {QStringLiteral("privacy: Modulo_Privacy.rtf"),
         {privacyScreen, [](QWidget *w) { click(w, &TfrmPrivacy::btnRTF); }, MessageKind::Plain,
          TfrmPrivacy::documentNotWrittenText(),
          [](QWidget *w) {
              QVERIFY(w->isVisible());
              privacyKept(w);
          }}},
        // The screen still closes (it is never stuck); the company's data typed
        // come back at the next opening.
        {QStringLiteral("privacy: Liberatoria_Privacy.ini on closing"),
         {privacyScreen, [](QWidget *w) { click(w, &TfrmPrivacy::btnChiudi); }, MessageKind::Error,
          TfrmPrivacy::settingsNotWrittenText(),
          [](QWidget *w) {
              QVERIFY(!w->isVisible());
              TfrmPrivacy again;
              again.show();
              QCOMPARE(again.txtStudioDent->text(), QStringLiteral("Pulizie Splendor S.r.l."));
          }}},
        {QStringLiteral("employee card: save a new card"), employeeRow(false, false)},
        {QStringLiteral("employee card: save a new card with a photo"), employeeRow(false, true)},
        {QStringLiteral("employee card: save a stored card"), employeeRow(true, false)},
        {QStringLiteral("employee card: save a stored card with a new photo"), employeeRow(true, true)},
        {QStringLiteral("work register: add"), entryRow<TfrmLavori_Svolti>(workRegister(), false)},
        {QStringLiteral("work register: change"), entryRow<TfrmLavori_Svolti>(workRegister(), true)},
        // Closing hides the screen; the company's data typed are shown again at the next opening.
        {QStringLiteral("contract screen: Contratti.ini on closing"),
         {contractCompany, [](QWidget *w) { w->close(); }, MessageKind::Warning,
          ContractCompany::notSavedText(),
          [](QWidget *w) {
              auto *card = static_cast<TfrmContratto *>(w);
              QVERIFY(!card->isVisible());
              card->show();
              QCOMPARE(card->txtDitta->text(), QStringLiteral("Pulizie Rapide S.r.l."));
              QCOMPARE(card->txtSede->text(), QStringLiteral("Cesena"));
          }}},
        {QStringLiteral("contract numbering: Inizio"),
         {numbering, [](QWidget *w) { click(w, &TfrmNumerazione::btnApplica); }, MessageKind::Warning,
          TfrmNumerazione::notSavedText(),
          [](QWidget *w) {
              auto *screen = static_cast<TfrmNumerazione *>(w);
              QVERIFY(screen->isVisible());
              QCOMPARE(screen->txtInizio->text(), QStringLiteral("25"));
          }}},
        {QStringLiteral("contract logo: Logo.bmp"),
         {logoScreen, [](QWidget *w) { click(w, &TfrmLogo::btnApplica); }, MessageKind::Warning,
          TfrmLogo::notSavedText(),
          [](QWidget *w) {
              auto *screen = static_cast<TfrmLogo *>(w);
              QVERIFY(screen->isVisible());
              QCOMPARE(screen->picture().convertToFormat(QImage::Format_RGB32), solid(Qt::red));
          }}},
        {QStringLiteral("backup copy: its date in Salvataggio.ini"),
         {backupScreen, [](QWidget *w) { static_cast<TfrmSalvataggio *>(w)->cmdSalva->click(); },
          MessageKind::Warning, TfrmSalvataggio::notRecordedText(),
          [](QWidget *w) {
              auto *screen = static_cast<TfrmSalvataggio *>(w);
              QVERIFY(screen->isVisible());
              QCOMPARE(screen->lblData->text(),
                       QStringLiteral("Non è ancora stata creata una copia di sicurezza."));
          }}},
        {QStringLiteral("year overview export"),
         {[](ScreenSeams &seams) -> std::shared_ptr<QWidget> {
              seams.folder.write(
                  Archives::appointments().fileName(),
                  appointment(QStringLiteral("15/03/2024"), QStringLiteral("Rossi"), QString()) +
                      appointment(QStringLiteral("20/03/2024"), QStringLiteral("Bianchi"), QString()));
              auto screen = std::make_shared<TfrmAndamento>();
              screen->show();
              screen->refresh();
              return screen;
          },
          [](QWidget *w) { static_cast<TfrmAndamento *>(w)->cmdEsporta->click(); }, MessageKind::Plain,
          ExportGrid::failureText(),
          [](QWidget *w) {
              auto *screen = static_cast<TfrmAndamento *>(w);
              QVERIFY(screen->isVisible());
              QCOMPARE(screen->tableRows().at(2).at(3), QStringLiteral("2")); // March's appointments
          }}},
        {QStringLiteral("attachments: copy a chosen file"), attachmentRow(false)},
        {QStringLiteral("attachments: copy over a file of the same name"), attachmentRow(true)},
        {QStringLiteral("password change"),
         {passwordChange, [](QWidget *w) { static_cast<TfrmCambiaPassword *>(w)->cmdOK->click(); },
          MessageKind::Plain,
          QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                         "password. Si consiglia di reinstallare il software."),
          [](QWidget *w) {
              auto *change = static_cast<TfrmCambiaPassword *>(w);
              QVERIFY(change->isVisible());
              QCOMPARE(change->txtPasswordNew->text(), QStringLiteral("nuova"));
              QCOMPARE(change->txtConferma->text(), QStringLiteral("nuova"));
          }}},
    };
    return table;
}

// The actions that write one whole file (the exports, the documents, the
// logo), each with that file.
const std::map<QString, QString> &wholeFiles() {
    static const std::map<QString, QString> files = {
        {QStringLiteral("appointment archive export"), QStringLiteral("Riepilogo_Appuntamenti.xls")},
        {QStringLiteral("imminent appointments export"), QStringLiteral("Appuntamenti_Imminenti.xls")},
        {QStringLiteral("day's appointments export"), QStringLiteral("Appuntamenti_Giornalieri.xls")},
        {QStringLiteral("month's appointments export"), QStringLiteral("Appuntamenti_Mensili.xls")},
        {QStringLiteral("client export"), QStringLiteral("Clienti.xls")},
        {QStringLiteral("contract export"), QStringLiteral("Contratti.xls")},
        {QStringLiteral("year overview export"), QStringLiteral("Andamento_2024.xls")},
        {QStringLiteral("client card: Contatto.pdf"), QStringLiteral("Contatto.pdf")},
        {QStringLiteral("privacy: Modulo_Privacy.rtf"), QStringLiteral("Modulo_Privacy.rtf")},
        {QStringLiteral("contract logo: Logo.bmp"), QStringLiteral("Logo.bmp")},
    };
    return files;
}

} // namespace

class TstReadOnlyFolder : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(QDateTime(kToday, QTime(10, 0))); }
    void cleanup() { Clock::setFixed(QDateTime()); }

    void everyWritingScreen_data() {
        QTest::addColumn<QString>("action");
        for (const auto &[name, row] : writingActions())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWritingScreen() {
        QFETCH(QString, action);
        const WritingAction &row = writingActions().at(action);
        ScreenSeams seams;
        std::shared_ptr<QWidget> screen = row.open(seams);
        QVERIFY(screen);
        seams.messages.clear();
        const auto before = snapshot(seams.folder.path());
        {
            ReadOnlyFolder readOnly(seams.folder.path());
            if (!readOnly.holds())
                QSKIP("this machine gives no way of making a folder read-only");
            row.act(screen.get());
        }
        QVERIFY(!seams.messages.shown.isEmpty());
        QCOMPARE(seams.messages.shown.last().text, row.message);
        QCOMPARE(seams.messages.shown.last().kind, row.kind);
        QVERIFY(seams.shell.commands.isEmpty()); // nothing offered for opening
        row.kept(screen.get());
        QVERIFY(snapshot(seams.folder.path()) == before);
    }

    // A file another program keeps open (Excel or a PDF viewer, on Windows):
    // the screen's message, and the earlier file intact.
    void aLockedFile_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        for (const auto &[name, file] : wholeFiles())
            QTest::newRow(qPrintable(name)) << name << file;
    }
    void aLockedFile() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        const WritingAction &row = writingActions().at(action);
        ScreenSeams seams;
        std::shared_ptr<QWidget> screen = row.open(seams);
        seams.folder.write(file, "the export open in Excel");
        seams.messages.clear();
        {
            LockedFile locked(seams.folder.file(file));
            if (!locked.holds())
                QSKIP("this machine gives no way of locking a file");
            row.act(screen.get());
        }
        QVERIFY(!seams.messages.shown.isEmpty());
        QCOMPARE(seams.messages.shown.last().text, row.message);
        QCOMPARE(seams.messages.shown.last().kind, row.kind);
        QVERIFY(seams.shell.commands.isEmpty());
        QCOMPARE(seams.folder.read(file), QByteArray("the export open in Excel"));
    }

    // A disk that fills up while the file is written: the screen's message,
    // and the previous file as it was (not cut short).
    void aFullDiskKeepsThePreviousFile_data() { aLockedFile_data(); }
    void aFullDiskKeepsThePreviousFile() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        const WritingAction &row = writingActions().at(action);
        ScreenSeams seams;
        std::shared_ptr<QWidget> screen = row.open(seams); // the grid holds its rows from here on
        seams.messages.clear();
        QByteArray left;
        {
            FullDisk disk(seams.folder.path());
            if (!disk.mounted())
                QSKIP("this machine gives no way of filling a disk");
            seams.folder.write(file, "the previous export");
            QVERIFY(disk.fill());
            row.act(screen.get());
            left = seams.folder.read(file);
            QCOMPARE(QDir(seams.folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                     2); // nothing left over
        }
        QCOMPARE(left, QByteArray("the previous export"));
        QVERIFY(!seams.messages.shown.isEmpty());
        QCOMPARE(seams.messages.shown.last().text, row.message);
        QCOMPARE(seams.messages.shown.last().kind, row.kind);
        QVERIFY(seams.shell.commands.isEmpty());
    }

    // A disk that fills up after the employee's record is written: the photo's
    // own message, the earlier photo as it was and the new one still in the
    // frame for the next Salva.
    void aFullDiskKeepsTheEarlierPhoto() {
        ScreenSeams seams;
        std::shared_ptr<QWidget> screen = employeeCard(seams, true, true);
        auto *card = static_cast<TfrmDipendenti *>(screen.get());
        const QByteArray archive = seams.folder.read(Archives::employees().fileName());
        seams.messages.clear();
        QByteArray left;
        {
            FullDisk disk(seams.folder.path());
            if (!disk.mounted())
                QSKIP("this machine gives no way of filling a disk");
            seams.folder.write(Archives::employees().fileName(), archive);
            QVERIFY(QDir().mkpath(seams.folder.file(QStringLiteral("Anagrafica"))));
            seams.folder.write(QStringLiteral("Anagrafica/Scheda_Dipendente_1.jpg"), "the earlier photo");
            QVERIFY(disk.fill());
            card->cmdSalva->click();
            left = seams.folder.read(QStringLiteral("Anagrafica/Scheda_Dipendente_1.jpg"));
            QCOMPARE(QDir(seams.folder.file(QStringLiteral("Anagrafica"))).entryList(QDir::Files).size(), 1);
        }
        QCOMPARE(left, QByteArray("the earlier photo"));
        const auto warned =
            std::find_if(seams.messages.shown.begin(), seams.messages.shown.end(),
                         [](const ShownMessage &m) { return m.kind == MessageKind::Warning; });
        QVERIFY(warned != seams.messages.shown.end());
        QVERIFY(warned->text.contains(QStringLiteral("Scheda_Dipendente_1.jpg")));
        QCOMPARE(card->photo().convertToFormat(QImage::Format_RGB32), solid(Qt::red));
    }

    // "Salva foto" to a file on a disk that fills up: the photo's message and
    // the file chosen as it was.
    void aFullDiskKeepsThePhotoFileChosen() {
        ScreenSeams seams;
        std::shared_ptr<QWidget> screen = employeeCard(seams, false, true);
        auto *card = static_cast<TfrmDipendenti *>(screen.get());
        seams.messages.clear();
        QByteArray left;
        {
            FullDisk disk(seams.folder.path());
            if (!disk.mounted())
                QSKIP("this machine gives no way of filling a disk");
            seams.folder.write(QStringLiteral("Foto.jpg"), "a photo saved earlier");
            QVERIFY(disk.fill());
            ScriptedFileDialogs dialogs;
            dialogs.nextNames = {seams.folder.file(QStringLiteral("Foto.jpg"))};
            card->btnSalvaFoto->click();
            left = seams.folder.read(QStringLiteral("Foto.jpg"));
            QCOMPARE(QDir(seams.folder.path()).entryList(QDir::Files).size(), 2);
        }
        QCOMPARE(left, QByteArray("a photo saved earlier"));
        QCOMPARE(seams.messages.shown.size(), 1);
        QCOMPARE(seams.messages.shown[0].kind, MessageKind::Warning);
        QVERIFY(seams.messages.shown[0].text.contains(QStringLiteral("Foto.jpg")));
    }

    // A settings file rewritten in place on a disk that fills up: one whose
    // new text needs more room than the disk has left stays as it was (a cut
    // file would lose the keys at its end) and the screen says so.
    void aFullDiskKeepsTheSettingsFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("the file ends its block") << 4096;
        QTest::newRow("part of the new text fits") << 4095;
    }
    void aFullDiskKeepsTheSettingsFile() {
        QFETCH(int, size);
        const WritingAction &row = writingActions().at(QStringLiteral("contract numbering: Inizio"));
        ScreenSeams seams;
        std::shared_ptr<QWidget> screen = row.open(seams);
        seams.messages.clear();
        // The company's data first, then the numbering: the file (nearly) fills
        // its last block, so a longer value needs one more.
        QByteArray before = "[Ditta Pulizie]\r\nDenominazione=Pulizie Rapide S.r.l.\r\nNote=";
        const QByteArray tail = "\r\n[Numerazione Contratti]\r\nInizio=10\r\n";
        before += QByteArray(size - before.size() - tail.size(), 'x') + tail;
        QByteArray left;
        {
            FullDisk disk(seams.folder.path());
            if (!disk.mounted())
                QSKIP("this machine gives no way of filling a disk");
            seams.folder.write(QStringLiteral("Contratti.ini"), before);
            QVERIFY(disk.fill());
            static_cast<TfrmNumerazione *>(screen.get())->txtInizio->setText(QStringLiteral("99999"));
            row.act(screen.get());
            left = seams.folder.read(QStringLiteral("Contratti.ini"));
        }
        QCOMPARE(left.size(), before.size());
        QCOMPARE(left, before);
        QVERIFY(!seams.messages.shown.isEmpty());
        QCOMPARE(seams.messages.shown.last().text, row.message);
        QVERIFY(screen->isVisible());
    }

    // A longer password on a disk that fills up must leave the old store,
    // never a cut or empty one (which would stand for no password at all).
    // The store ends its block (a comment fills it), so the longer line needs
    // room the disk has no more.
    void aFullDiskKeepsThePasswordStore() {
        ScreenSeams seams;
        QByteArray store = kPasswordStore + "; ";
        store += QByteArray(4096 - store.size() - 2, '-') + "\r\n";
        QByteArray left;
        {
            FullDisk disk(seams.folder.path());
            if (!disk.mounted())
                QSKIP("this machine gives no way of filling a disk");
            seams.folder.write(QStringLiteral("unins000.dll"), store);
            QVERIFY(disk.fill());
            QVERIFY(!PasswordStore::write(QString(253, QLatin1Char('A'))));
            left = seams.folder.read(QStringLiteral("unins000.dll"));
        }
        QCOMPARE(left, store);
    }

    // Browsing needs no writing: on a read-only share the arrows still show
    // the stored cards, with no message.
    void aCardBrowsesAReadOnlyArchive() {
        ScreenSeams seams;
        seams.folder.write(Archives::appointments().fileName(),
                           appointment(QStringLiteral("05/03/2024"), QStringLiteral("Rossi Mario"),
                                       QStringLiteral("prima")) +
                               appointment(QStringLiteral("06/03/2024"), QStringLiteral("Bianchi Anna"),
                                           QStringLiteral("seconda")));
        TfrmArchivio_Scadenze card;
        card.show();
        seams.messages.clear();
        ReadOnlyFolder readOnly(seams.folder.path());
        if (!readOnly.holds())
            QSKIP("this machine gives no way of making a folder read-only");
        card.cmdUltimo->click();
        QCOMPARE(card.lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(card.txtNote->text(), QStringLiteral("seconda"));
        card.cmdIndietro->click();
        QCOMPARE(card.lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(card.txtContatto->text(), QStringLiteral("Rossi Mario"));
        card.cmdAvanti->click();
        QCOMPARE(card.txtContatto->text(), QStringLiteral("Bianchi Anna"));
        card.cmdPrimo->click();
        QCOMPARE(card.txtNote->text(), QStringLiteral("prima"));
        QVERIFY(seams.messages.shown.isEmpty());
    }

    // A read-only share where nothing has been recorded yet: there is no
    // archive to read, which is no failure. The card says the archive holds no
    // card and the agenda lists nothing, with no archive error.
    void aReadOnlyFolderWithoutArchivesReadsAsEmpty() {
        ScreenSeams seams;
        TfrmArchivio_Scadenze card;
        TfrmAgenda agenda;
        ReadOnlyFolder readOnly(seams.folder.path());
        if (!readOnly.holds())
            QSKIP("this machine gives no way of making a folder read-only");
        card.show();
        seams.messages.clear();
        card.cmdUltimo->click();
        QCOMPARE(seams.messages.lastText(), CardScreen::emptyArchiveText());
        seams.messages.clear();
        agenda.show();
        QCOMPARE(agenda.lstRecords->listModel()->count(), 0);
        QVERIFY(seams.messages.shown.isEmpty());
        QVERIFY(!QFile::exists(seams.folder.file(Archives::appointments().fileName())));
    }

    // A list screen opened on a read-only share still lists what its file holds.
    void aListScreenShowsAReadOnlyFile_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("services") << QStringLiteral("services");
        QTest::newRow("work register") << QStringLiteral("work register");
    }
    void aListScreenShowsAReadOnlyFile() {
        QFETCH(QString, screen);
        const EntryScreen entry = screen == QStringLiteral("services") ? services() : workRegister();
        ScreenSeams seams;
        std::unique_ptr<QWidget> w(entry.make(seams));
        ReadOnlyFolder readOnly(seams.folder.path());
        if (!readOnly.holds())
            QSKIP("this machine gives no way of making a folder read-only");
        w->show();
        const auto *list = w->findChild<RecordListView *>();
        QVERIFY(list);
        QCOMPARE(list->listModel()->count(), 1);
        QVERIFY(seams.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TstReadOnlyFolder)
#include "tst_readonlyfolder.moc"
