// Login, password change, main menu and the module contract, through the real screens.
#include "ReadOnly.h"
#include "TestEnv.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "shell/Crypt.h"
#include "ui/windows/Guida.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/windows/ModuleWindow.h"
#include "shell/Password.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QByteArray kFirstAccessStore = "[Accesso]\r\nValore=5EE66662641A2EB1394199220485\r\n";
const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                   "della password. Si consiglia di reinstallare il software.");
const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");
const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                   "E' necessario reinserire entrambi i valori.");
} // namespace

class TstLogin : public QObject {
    Q_OBJECT

    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    Tersalia::Screens s;
    int terminated = 0;

    bool login(const QString &typed) {
        s.password->show();
        s.password->txtPassword->clear();
        QTest::keyClicks(s.password->txtPassword, typed);
        QTest::keyClick(s.password->txtPassword, Qt::Key_Return);
        const bool in = s.avvio->isVisible() && !s.password->isVisible();
        s.avvio->hide();
        return in;
    }

    void changePassword(const QString &oldPw, const QString &newPw, const QString &confirm) {
        s.password->btnCambiaPassword->click();
        TfrmCambiaPassword *c = s.cambiaPassword;
        // insert() types as a paste would: Qt Test cannot key in non-ASCII letters.
        c->txtPasswordOld->insert(oldPw);
        c->txtPasswordNew->insert(newPw);
        c->txtConferma->insert(confirm);
        QVERIFY(c->cmdOK->isEnabled());
        c->cmdOK->click();
    }

private slots:
    void init() {
        folder = new TempProgramFolder;
        folder->write(QStringLiteral("unins000.dll"), kFirstAccessStore);
        messages = new ScriptedMessages;
        s = Tersalia::createScreens();
        terminated = 0;
        Tersalia::setTerminateHandler([this]() { ++terminated; });
    }
    void cleanup() {
        Tersalia::destroyScreens();
        Tersalia::setTerminateHandler(nullptr);
        delete messages;
        delete folder;
    }

    void firstAccessInAnyCase_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower") << "pergolatoviola";
        QTest::newRow("upper") << "PERGOLATOVIOLA";
        QTest::newRow("blanks around") << "  PergolatoViola  ";
    }
    void firstAccessInAnyCase() {
        QFETCH(QString, typed);
        QVERIFY(!s.avvio->isVisible());
        QVERIFY(login(typed));
        QVERIFY(messages->shown.isEmpty());
    }

    // At start-up the login shows alone and the other screens are made just
    // after; a password accepted before that still opens the main menu, and
    // the screens are made once only.
    void aLoginBeforeTheOtherScreensAreMadeOpensTheMenu() {
        Tersalia::destroyScreens();
        const Tersalia::Screens login = Tersalia::createLogin();
        QVERIFY(login.password && !login.avvio && !login.agenda);
        login.password->show();
        QTest::keyClicks(login.password->txtPassword, QStringLiteral("pergolatoviola"));
        login.password->cmdOK->click();
        s = Tersalia::screens();
        QVERIFY(s.avvio && s.agenda && s.contratto);
        QVERIFY(s.avvio->isVisible());
        QVERIFY(!s.password->isVisible());
        QVERIFY(messages->shown.isEmpty());
        TfrmAvvio *menu = s.avvio;
        QCOMPARE(Tersalia::createModules().avvio, menu);
    }

    void wrongPasswordEmptiesTheField() {
        s.password->show();
        QTest::keyClicks(s.password->txtPassword, QStringLiteral("pergola"));
        s.password->cmdOK->click();
        QCOMPARE(messages->lastText(), kWrong);
        QCOMPARE(messages->shown.last().kind, MessageKind::Plain);
        QVERIFY(s.password->txtPassword->text().isEmpty());
        QVERIFY(s.password->isVisible());
        QVERIFY(!s.avvio->isVisible());
    }

    void okFollowsTheTrimmedText() {
        s.password->show();
        QVERIFY(!s.password->cmdOK->isEnabled());
        QTest::keyClicks(s.password->txtPassword, QStringLiteral("   "));
        QVERIFY(!s.password->cmdOK->isEnabled());
        QTest::keyClick(s.password->txtPassword, Qt::Key_Return);
        QVERIFY(messages->shown.isEmpty());
        QTest::keyClicks(s.password->txtPassword, QStringLiteral("x"));
        QVERIFY(s.password->cmdOK->isEnabled());
    }

    // A value that is not all hexadecimal pairs is a reading error, wherever
    // the fault lies (a NUL byte too: it cuts nothing short).
    void corruptStoreGivesTheReadingError_data() {
        QTest::addColumn<QByteArray>("value");
        const auto withNul = [](const char *before, const char *after) {
            return QByteArray(before) + '\0' + QByteArray(after);
        };
        QTest::newRow("a pair that is not hexadecimal") << QByteArray("5EG6");
        QTest::newRow("a NUL byte between pairs") << withNul("5EE6", "6662641A2EB1394199220485");
        QTest::newRow("a NUL byte inside a pair") << withNul("5EE66", "662641A2EB1394199220485");
        QTest::newRow("a blank between pairs") << QByteArray("5EE6 6662641A2EB1394199220485");
    }
    void corruptStoreGivesTheReadingError() {
        QFETCH(QByteArray, value);
        folder->write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=" + value + "\r\n");
        QVERIFY(!login(QStringLiteral("pergolatoviola")));
        QCOMPARE(messages->lastText(), kReadError);
        QVERIFY(s.password->isVisible());
    }

    void missingStoreAllowsNoLogin() {
        QFile::remove(folder->file(QStringLiteral("unins000.dll")));
        QVERIFY(!login(QStringLiteral("pergolatoviola")));
        QCOMPARE(messages->lastText(), kWrong);
    }

    void changeWorksAndSurvivesARestart() {
        changePassword(QStringLiteral("pergolatoviola"), QStringLiteral("Casa2"), QStringLiteral("Casa2"));
        QCOMPARE(messages->lastText(), QStringLiteral("Modifica della password completata con successo."));
        QVERIFY(!s.cambiaPassword->isVisible());
        QVERIFY(s.password->isVisible());
        QVERIFY(s.password->txtPassword->text().isEmpty());
        QVERIFY(folder->read(QStringLiteral("unins000.dll")).contains("Valore=4DF9FFFA"));

        // A new run of the program reads the same store.
        Tersalia::destroyScreens();
        s = Tersalia::createScreens();
        QVERIFY(!login(QStringLiteral("pergolatoviola")));
        QVERIFY(login(QStringLiteral("casa2")));
        QVERIFY(login(QStringLiteral("CASA2")));
    }

    void confirmationIsCaseSensitive() {
        changePassword(QStringLiteral("pergolatoviola"), QStringLiteral("Casa"), QStringLiteral("casa"));
        QCOMPARE(messages->lastText(), kNotConfirmed);
        QVERIFY(s.cambiaPassword->isVisible());
        QVERIFY(s.cambiaPassword->txtPasswordNew->text().isEmpty());
        QVERIFY(s.cambiaPassword->txtConferma->text().isEmpty());
        QCOMPARE(s.cambiaPassword->txtPasswordOld->text(), QStringLiteral("pergolatoviola"));
        QVERIFY(folder->read(QStringLiteral("unins000.dll")) == kFirstAccessStore);
    }

    void wrongOldPasswordIsRefused() {
        changePassword(QStringLiteral("viola"), QStringLiteral("Casa"), QStringLiteral("Casa"));
        QCOMPARE(messages->lastText(), QStringLiteral("Attenzione: vecchia password errata."));
        QVERIFY(s.cambiaPassword->txtPasswordOld->text().isEmpty());
        QCOMPARE(s.cambiaPassword->txtPasswordNew->text(), QStringLiteral("Casa"));
    }

    void unrepresentablePasswordsAreRefused_data() {
        QTest::addColumn<QString>("fresh");
        QTest::newRow("256 characters") << QString(256, QLatin1Char('a'));
        QTest::newRow("greek letter") << QStringLiteral("casaα");
        QTest::newRow("euro sign") << QStringLiteral("casa€");
    }
    void unrepresentablePasswordsAreRefused() {
        QFETCH(QString, fresh);
        changePassword(QStringLiteral("pergolatoviola"), fresh, fresh);
        QVERIFY(
            messages->lastText().startsWith(QStringLiteral("Attenzione: la nuova password può contenere")));
        QVERIFY(s.cambiaPassword->isVisible());
        QVERIFY(folder->read(QStringLiteral("unins000.dll")) == kFirstAccessStore);
    }

    // Every length the change accepts is stored whole and logs in again, the
    // longest ones on lines of more than 500 bytes.
    void longPasswordsAreStoredAndLogIn_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("251") << 251;
        QTest::newRow("252") << 252;
        QTest::newRow("255, the most the scrambling holds") << 255;
    }
    void longPasswordsAreStoredAndLogIn() {
        QFETCH(int, length);
        QString fresh;
        for (int i = 0; i < length; ++i)
            fresh += QLatin1Char(char('a' + i % 26));
        changePassword(QStringLiteral("pergolatoviola"), fresh, fresh);
        QCOMPARE(messages->lastText(), QStringLiteral("Modifica della password completata con successo."));
        const QByteArray store = folder->read(QStringLiteral("unins000.dll"));
        QVERIFY(store.startsWith("[Accesso]"));
        QVERIFY(store.contains("Valore=" + Crypt::Scramble(fresh.toUpper()).toLatin1() + '\n') ||
                store.contains("Valore=" + Crypt::Scramble(fresh.toUpper()).toLatin1() + "\r\n"));
        messages->clear();
        QVERIFY(!login(fresh.left(length - 1)));
        QCOMPARE(messages->lastText(), kWrong);
        messages->clear();
        QVERIFY(login(fresh.toUpper()));
        QVERIFY(messages->shown.isEmpty());
        // And it can be changed again from there.
        changePassword(fresh, QStringLiteral("breve"), QStringLiteral("breve"));
        QCOMPARE(messages->lastText(), QStringLiteral("Modifica della password completata con successo."));
        QVERIFY(login(QStringLiteral("BREVE")));
    }

    // A store that is there but cannot be read (here a folder of that name)
    // is a reading error, as a corrupt value is, never a wrong password.
    void unreadableStoreGivesTheReadingError() {
        QVERIFY(QFile::remove(folder->file(QStringLiteral("unins000.dll"))));
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("unins000.dll")));
        QVERIFY(!login(QStringLiteral("pergolatoviola")));
        QCOMPARE(messages->lastText(), kReadError);
        QCOMPARE(messages->shown.size(), 1);
    }

    // The login screen is the main window: closing it by any means ends the
    // program; hiding it for the change-password screen does not.
    void closingTheLoginEndsTheProgram() {
        s.password->show();
        s.password->btnCambiaPassword->click();
        QCOMPARE(terminated, 0);
        s.cambiaPassword->close();
        QVERIFY(s.password->isVisible());
        QCOMPARE(terminated, 0);
        s.password->close();
        QCOMPARE(terminated, 1);
    }

    void unwritableStoreKeepsTheOldPassword() {
        {
            // The store readable, not writable (as another program holding it would leave it).
            LockedFile locked(folder->file(QStringLiteral("unins000.dll")));
            if (!locked.holds())
                QSKIP("this machine gives no way of locking a file");
            changePassword(QStringLiteral("pergolatoviola"), QStringLiteral("nuova"),
                           QStringLiteral("nuova"));
        }
        QCOMPARE(messages->lastText(), kChangeError);
        QVERIFY(s.cambiaPassword->isVisible());
        s.cambiaPassword->close();
        QVERIFY(login(QStringLiteral("pergolatoviola")));
    }

    void enterWalksTheChangeFields() {
        s.password->btnCambiaPassword->click();
        QVERIFY(!s.password->isVisible());
        TfrmCambiaPassword *c = s.cambiaPassword;
        QApplication::setActiveWindow(c);
        QTest::keyClicks(c->txtPasswordOld, QStringLiteral("a"));
        QTest::keyClick(c->txtPasswordOld, Qt::Key_Return);
        QCOMPARE(c->focusWidget(), c->txtPasswordNew);
        QTest::keyClick(c->txtPasswordNew, Qt::Key_Return);
        QCOMPARE(c->focusWidget(), c->txtConferma);
        QTest::keyClick(c->txtConferma, Qt::Key_Return);
        QCOMPARE(c->focusWidget(), c->txtPasswordOld);
        QVERIFY(messages->shown.isEmpty());
        c->cmdEsci->click();
        QVERIFY(s.password->isVisible());
    }

    void moduleContract() {
        class Module : public ModuleWindow {};
        Module module;
        s.avvio->setModule(1, nullptr); // an empty slot leaves its button disabled
        QVERIFY(!s.avvio->imgApp01->isEnabled());
        s.avvio->setModule(1, &module);
        QVERIFY(s.avvio->imgApp01->isEnabled());
        QVERIFY(login(QStringLiteral("pergolatoviola")));
        s.avvio->show();
        s.avvio->imgApp01->click();
        QVERIFY(module.isVisible());
        QVERIFY(!s.avvio->isVisible());
        module.close();
        QVERIFY(!module.isVisible());
        QVERIFY(s.avvio->isVisible());
        QCOMPARE(terminated, 0);
        s.avvio->setModule(1, nullptr);
    }

    void closingTheMenuEndsTheProgram() {
        QVERIFY(login(QStringLiteral("pergolatoviola")));
        s.avvio->show();
        s.avvio->close();
        QCOMPARE(terminated, 1);
        s.password->cmdEsci->click();
        QCOMPARE(terminated, 2);
    }

    void helpOpensAFreshScreenEachTime() {
        RecordingShell shell;
        s.avvio->show();
        for (int round = 0; round < 2; ++round) {
            QString title, text;
            whenModal([&](QWidget *w) {
                auto *help = qobject_cast<TfrmGuida *>(w);
                QVERIFY(help);
                title = help->lblTitolo->text();
                text = help->txtGuida->toPlainText();
                help->lnkWeb->clicked();
                help->btnChiudi->click();
            });
            emit s.avvio->imgGuida->clicked();
            QCOMPARE(title, QStringLiteral("Uno sguardo a Tersalia"));
            QVERIFY(text.contains(QStringLiteral("pergolatoviola")));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(s.avvio->findChildren<TfrmGuida *>().size(), 0);
        }
        QCOMPARE(shell.commands.size(), 2);
        QCOMPARE(shell.commands.first(), QLatin1Char('"') + folder->path() + QStringLiteral("Guida.pdf\""));
    }
};

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
