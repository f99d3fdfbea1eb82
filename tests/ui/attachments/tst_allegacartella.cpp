// The attachments screen on a small owner with the six hidden labels of an
// attachment block: browse and copy, the overwrite question, open, eraser,
// apply and cancel, and the two failures a user must hear about.
#include "TestEnv.h"
#include "core/files/Workbook.h"
#include "core/platform/OpenURL.h"
#include "core/platform/ProgramFolder.h"
#include "core/text/TextRules.h"
#include "ui/attachments/AllegaCartella.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <thread>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
// An owning card reduced to its attachment block.
struct Owner : QWidget {
    QLabel *labels[6];
    Owner() {
        const char *names[6] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};
        for (int i = 0; i < 6; ++i) {
            labels[i] = new QLabel(this);
            labels[i]->setObjectName(QLatin1String(names[i]));
            labels[i]->hide();
        }
    }
    QStringList values() const {
        QStringList v;
        for (QLabel *l : labels)
            v << l->text();
        return v;
    }
};
} // namespace

class TstAllegaCartella : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;
    ScriptedFileDialogs *dialogs = nullptr;
    QTemporaryDir *elsewhere = nullptr; // where the user's own files are
    Owner *owner = nullptr;

    QString userFile(const QString &name, const QByteArray &bytes) {
        const QString path = elsewhere->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(bytes);
        return path;
    }
    QByteArray attached(const QString &name) const {
        QFile f(TfrmAllegaCartella::pathOf(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Opens the screen on the owner, runs steps, then leaves it with Annulla if still open.
    void withScreen(const QString &caller, const std::function<void(TfrmAllegaCartella *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmAllegaCartella *>(w);
            QVERIFY(s);
            steps(s);
            ran = true;
            if (s->isVisible())
                s->btnAnnulla->click();
        });
        TfrmAllegaCartella::edit(owner, caller);
        QVERIFY(ran);
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        dialogs = new ScriptedFileDialogs;
        elsewhere = new QTemporaryDir;
        owner = new Owner;
    }
    void cleanup() {
        delete owner;
        delete elsewhere;
        delete dialogs;
        delete seams;
    }

    void opensOnTheOwnersBlock() {
        owner->labels[1]->setText(QStringLiteral("contratto.pdf"));
        owner->labels[4]->setText(QStringLiteral("Contratto firmato"));
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Allega file"));
            QCOMPARE(s->lblMemory->text(), QStringLiteral("clienti"));
            QVERIFY(s->txtFile01->isReadOnly());
            QCOMPARE(s->txtFile02->text(), QStringLiteral("contratto.pdf"));
            QCOMPARE(s->txtDesc02->text(), QStringLiteral("Contratto firmato"));
            QVERIFY(!s->btnApri01->isEnabled());
            QVERIFY(s->btnApri02->isEnabled());
            QVERIFY(!s->btnApri03->isEnabled());
        });
    }

    void browseCopiesApplyHandsBackOpenOpensTheCopy() {
        const QString source = userFile(QStringLiteral("Carta identità.jpg"), "JPEG bytes");
        dialogs->nextNames << source;
        withScreen(QStringLiteral("dipendenti"), [&](TfrmAllegaCartella *s) {
            s->btnSfoglia03->click();
            QCOMPARE(s->txtFile03->text(), QStringLiteral("Carta identità.jpg"));
            QVERIFY(s->btnApri03->isEnabled());
            QCOMPARE(attached(QStringLiteral("Carta identità.jpg")), QByteArray("JPEG bytes"));
            s->txtDesc03->setText(QStringLiteral("  Documento  "));
            s->btnApri03->click();
            s->btnApplica->click();
            QVERIFY(!s->isVisible());
        });
        QCOMPARE(seams->shell.commands,
                 QStringList{QLatin1Char('"') + seams->folder.path() +
                             QStringLiteral("Documenti_Allegati/Carta identità.jpg\"")});
        QCOMPARE(owner->values(), (QStringList{"", "", "Carta identità.jpg", "", "", "Documento"}));
        QVERIFY(seams->messages.shown.isEmpty());
    }

    void existingName_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes replaces") << true;
        QTest::newRow("No keeps the file there") << false;
    }
    void existingName() {
        QFETCH(bool, yes);
        QDir().mkpath(TfrmAllegaCartella::folder());
        QFile old(TfrmAllegaCartella::pathOf(QStringLiteral("preventivo.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        dialogs->nextNames << userFile(QStringLiteral("preventivo.pdf"), "new");
        seams->messages.answerNext(yes);
        withScreen(QStringLiteral("contratti"), [&](TfrmAllegaCartella *s) {
            s->txtFile01->setText(QStringLiteral("altro.pdf"));
            s->btnSfoglia01->click();
            QCOMPARE(s->txtFile01->text(), QStringLiteral("preventivo.pdf"));
        });
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Confirmation);
        QCOMPARE(seams->messages.shown[0].text,
                 QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                                "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
        QCOMPARE(attached(QStringLiteral("preventivo.pdf")), yes ? QByteArray("new") : QByteArray("old"));
    }

    void cancelledDialogChangesNothing() {
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            s->txtFile02->setText(QStringLiteral("tenuto.pdf"));
            s->btnSfoglia02->click(); // no name queued: the dialog is cancelled
            QCOMPARE(s->txtFile02->text(), QStringLiteral("tenuto.pdf"));
        });
        QVERIFY(seams->messages.shown.isEmpty());
        QVERIFY(!QDir(TfrmAllegaCartella::folder()).exists());
    }

    void eraserEmptiesOnlyTheName() {
        owner->labels[0]->setText(QStringLiteral("scheda.pdf"));
        owner->labels[3]->setText(QStringLiteral("Scheda firmata"));
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            s->imgCancella01->click();
            QCOMPARE(s->txtFile01->text(), QString());
            QVERIFY(!s->btnApri01->isEnabled());
            QCOMPARE(s->txtDesc01->text(), QStringLiteral("Scheda firmata"));
            s->btnApplica->click();
        });
        QCOMPARE(owner->values(), (QStringList{"", "", "", "Scheda firmata", "", ""}));
    }

    void annullaAndUnknownCallerHandNothingBack() {
        owner->labels[0]->setText(QStringLiteral("a.pdf"));
        const QStringList before = owner->values();
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            s->imgCancella01->click();
            s->txtDesc02->setText(QStringLiteral("nuova"));
            s->btnAnnulla->click();
        });
        QCOMPARE(owner->values(), before);
        withScreen(QStringLiteral("altro"), [&](TfrmAllegaCartella *s) {
            s->imgCancella01->click();
            s->btnApplica->click();
            QVERIFY(s->isVisible());
        });
        QCOMPARE(owner->values(), before);
    }

    // A copy that fails must not leave the slot naming a file the folder lacks.
    void failedCopyIsReportedAndKeepsTheOldName_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("source unreadable") << QStringLiteral("source");
        QTest::newRow("folder not creatable") << QStringLiteral("folder");
        QTest::newRow("copy refused") << QStringLiteral("refused");
    }
    void failedCopyIsReportedAndKeepsTheOldName() {
        QFETCH(QString, failure);
        QString source = userFile(QStringLiteral("nuovo.pdf"), "pdf");
        if (failure == QStringLiteral("source"))
            source = elsewhere->filePath(QStringLiteral("sparito.pdf"));
        else if (failure == QStringLiteral("folder"))
            seams->folder.write(QStringLiteral("Documenti_Allegati"), "a file where the folder should be");
        else // a folder standing where the file should go, which the yes cannot replace
            QVERIFY(QDir().mkpath(TfrmAllegaCartella::folder() + QStringLiteral("nuovo.pdf/x")));
        dialogs->nextNames << source;
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            s->txtFile01->setText(QStringLiteral("vecchio.pdf"));
            s->btnSfoglia01->click();
            QCOMPARE(s->txtFile01->text(), QStringLiteral("vecchio.pdf"));
        });
        // The overwrite question comes first where a file of that name is there.
        QCOMPARE(seams->messages.shown.size(), failure == QStringLiteral("refused") ? 2 : 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Error);
        QCOMPARE(seams->messages.lastText(), TfrmAllegaCartella::copyFailedText());
        QVERIFY(!QFileInfo(TfrmAllegaCartella::pathOf(QStringLiteral("nuovo.pdf"))).isFile());
        // Nothing of the copy is left behind.
        const QStringList left = QDir(TfrmAllegaCartella::folder()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
    }

    // The copy is made under a name of its own, so a file whose name looks
    // like the attached one's with something after it (another card's
    // attachment) is never touched.
    void otherFilesOfTheFolderAreNeverTouched() {
        const QStringList neighbours = {QStringLiteral("Contratto.pdf.copia"),
                                        QStringLiteral("Contratto.pdf.tmp"), QStringLiteral("Contratto.pdf~"),
                                        QStringLiteral("Contratto.pdf.part"),
                                        QStringLiteral("~Contratto.pdf")};
        QVERIFY(QDir().mkpath(TfrmAllegaCartella::folder()));
        for (const QString &n : neighbours) {
            QFile f(TfrmAllegaCartella::pathOf(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(n.toUtf8());
        }
        dialogs->nextNames << userFile(QStringLiteral("Contratto.pdf"), "firmato");
        withScreen(QStringLiteral("contratti"), [&](TfrmAllegaCartella *s) { s->btnSfoglia01->click(); });
        QVERIFY(seams->messages.shown.isEmpty());
        QCOMPARE(attached(QStringLiteral("Contratto.pdf")), QByteArray("firmato"));
        for (const QString &n : neighbours)
            QCOMPARE(attached(n), n.toUtf8());
        QCOMPARE(QDir(TfrmAllegaCartella::folder()).entryList(QDir::Files | QDir::Hidden).size(),
                 neighbours.size() + 1);
    }

    // Another desk puts a file of the same name in the folder while this desk
    // is copying its own: this desk gets the overwrite question, and its No
    // leaves the other desk's file as it is.
    void aFileAnotherDeskAttachesMeanwhileGetsTheQuestion_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes replaces it") << true;
        QTest::newRow("No keeps the other desk's file") << false;
    }
    void aFileAnotherDeskAttachesMeanwhileGetsTheQuestion() {
#ifdef Q_OS_UNIX
        QFETCH(bool, yes);
        QVERIFY(QDir().mkpath(TfrmAllegaCartella::folder()));
        // The chosen file is a pipe the test writes: the other desk's file
        // appears while the copy is still reading it.
        const QString source = elsewhere->filePath(QStringLiteral("Contratto.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);
        std::thread otherDesk([source]() {
            QFile pipe(source);
            if (!pipe.open(QIODevice::WriteOnly))
                return;
            pipe.write("questa desk");
            pipe.flush();
            QFile theirs(TfrmAllegaCartella::pathOf(QStringLiteral("Contratto.pdf")));
            if (theirs.open(QIODevice::NewOnly))
                theirs.write("altra desk");
        });
        dialogs->nextNames << source;
        seams->messages.answerNext(yes);
        withScreen(QStringLiteral("contratti"), [&](TfrmAllegaCartella *s) {
            s->btnSfoglia01->click();
            QCOMPARE(s->txtFile01->text(), QStringLiteral("Contratto.pdf"));
        });
        otherDesk.join();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Confirmation);
        QVERIFY(seams->messages.shown[0].text.contains(QStringLiteral("Si vuole sovrascrivere")));
        QCOMPARE(attached(QStringLiteral("Contratto.pdf")),
                 yes ? QByteArray("questa desk") : QByteArray("altra desk"));
        QCOMPARE(QDir(TfrmAllegaCartella::folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Contratto.pdf")});
#else
        QSKIP("a named pipe stands in for the other desk");
#endif
    }

    void storableName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Windows-1252 as it is")
            << QStringLiteral("Fattura n°3 – €.pdf") << QStringLiteral("Fattura n°3 – €.pdf");
        QTest::newRow("marks Windows-1252 lacks stripped")
            << QStringLiteral("Dvořák ź.txt") << QStringLiteral("Dvorák z.txt");
        QTest::newRow("Greek letters") << QStringLiteral("Δοκιμή.pdf") << QStringLiteral("______.pdf");
        QTest::newRow("Chinese and emoji") << QStringLiteral("合同 😀.doc") << QStringLiteral("__ _.doc");
        const QString longBase(300, QLatin1Char('a'));
        QTest::newRow("too long, extension kept")
            << longBase + QStringLiteral(".pdf") << QString(246, QLatin1Char('a')) + QStringLiteral(".pdf");
        // An extension of up to 16 characters, the dot included, is kept; a
        // longer one is no extension a program opens by: the name is cut.
        QTest::newRow("too long, 16-character extension kept")
            << longBase + QStringLiteral(".abcdefghijklmno")
            << QString(234, QLatin1Char('a')) + QStringLiteral(".abcdefghijklmno");
        QTest::newRow("too long, 17-character extension cut")
            << longBase + QStringLiteral(".abcdefghijklmnop") << QString(250, QLatin1Char('a'));
    }
    void storableName() {
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        const QString name = TfrmAllegaCartella::storableName(chosen);
        QVERIFY(name.size() <= 250);
        // What the record keeps reads back as the very name the file was copied under.
        QCOMPARE(Text::fromCp1252(Text::toCp1252(name)), name);
        QCOMPARE(name, stored);
    }

    // Several desks with their own accounts share the folder: an attached
    // copy is as readable to them as an export is.
    void anAttachedCopyHasAnExportsPermissions() {
#ifdef Q_OS_UNIX
        const mode_t before = ::umask(022); // an office share's usual mask
#endif
        dialogs->nextNames << userFile(QStringLiteral("Documento.pdf"), "pdf");
        withScreen(QStringLiteral("dipendenti"), [&](TfrmAllegaCartella *s) { s->btnSfoglia01->click(); });
        const bool exported = Workbook::write(seams->folder.file(QStringLiteral("Clienti.xls")),
                                              QStringLiteral("Clienti"), {{QStringLiteral("Nome"), 10}}, {});
#ifdef Q_OS_UNIX
        ::umask(before);
#endif
        QVERIFY(exported);
        const QFileDevice::Permissions copy =
            QFileInfo(TfrmAllegaCartella::pathOf(QStringLiteral("Documento.pdf"))).permissions();
        QCOMPARE(copy, QFileInfo(seams->folder.file(QStringLiteral("Clienti.xls"))).permissions());
        QVERIFY(copy & QFileDevice::ReadOther);
    }

    // "Apri" on a file that cannot be opened says so instead of nothing.
    void aFailedOpenIsTold_data() {
        QTest::addColumn<bool>("there");
        QTest::addColumn<bool>("desktopOpens");
        QTest::newRow("no program opens it") << true << false;
        QTest::newRow("the file is missing") << false << true;
    }
    void aFailedOpenIsTold() {
        QFETCH(bool, there);
        QFETCH(bool, desktopOpens);
        QVERIFY(QDir().mkpath(TfrmAllegaCartella::folder()));
        if (there) {
            QFile f(TfrmAllegaCartella::pathOf(QStringLiteral("Preventivo.odt")));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        seams->shell.opens = desktopOpens;
        owner->labels[0]->setText(QStringLiteral("Preventivo.odt"));
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            s->btnApri01->click();
            QVERIFY(s->isVisible());
        });
        QCOMPARE(seams->shell.commands.size(), there ? 1 : 0);
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Warning);
        QCOMPARE(seams->messages.lastText(),
                 TfrmAllegaCartella::openFailedText(QStringLiteral("Preventivo.odt")));
    }

    void greekFileNameOpensTheCopy() {
        dialogs->nextNames << userFile(QStringLiteral("Συμβόλαιο.pdf"), "greek");
        QString name;
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            s->btnSfoglia01->click();
            name = s->txtFile01->text();
            s->btnApri01->click();
            s->btnApplica->click();
        });
        QCOMPARE(Text::fromCp1252(Text::toCp1252(name)), name);
        QVERIFY(name.endsWith(QStringLiteral(".pdf")));
        QCOMPARE(attached(name), QByteArray("greek"));
        QCOMPARE(seams->shell.commands.size(), 1);
        QVERIFY(QFileInfo::exists(TMisc::urlFor(seams->shell.commands[0]).toLocalFile()));
        QCOMPARE(owner->labels[0]->text(), name);
    }
};

QTEST_MAIN(TstAllegaCartella)
#include "tst_allegacartella.moc"
