// The attachments screen on a small owner with the six hidden labels of an
// attachment block: browse and copy, the overwrite question, open, eraser,
// apply and cancel, and the two failures a user must hear about.
#include "TestEnv.h"
#include "core/OpenURL.h"
#include "core/ProgramFolder.h"
#include "core/TextRules.h"
#include "ui/AllegaCartella.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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
        else // a folder standing where the copy should go
            QVERIFY(QDir().mkpath(TfrmAllegaCartella::folder() + QStringLiteral("nuovo.pdf.copia/x")));
        dialogs->nextNames << source;
        withScreen(QStringLiteral("clienti"), [&](TfrmAllegaCartella *s) {
            s->txtFile01->setText(QStringLiteral("vecchio.pdf"));
            s->btnSfoglia01->click();
            QCOMPARE(s->txtFile01->text(), QStringLiteral("vecchio.pdf"));
        });
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Error);
        QVERIFY(
            seams->messages.shown[0].text.contains(QStringLiteral("non è stato possibile copiare il file")));
        QVERIFY(!QFileInfo(TfrmAllegaCartella::pathOf(QStringLiteral("nuovo.pdf"))).isFile());
    }

    void storableName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Windows-1252 as it is")
            << QStringLiteral("Fattura n°3 – €.pdf") << QStringLiteral("Fattura n°3 – €.pdf");
        QTest::newRow("marks Windows-1252 lacks stripped") << QStringLiteral("Dvořák ź.txt") << QStringLiteral("Dvorák z.txt");
        QTest::newRow("Greek letters") << QStringLiteral("Δοκιμή.pdf") << QStringLiteral("______.pdf");
        QTest::newRow("Chinese and emoji") << QStringLiteral("合同 😀.doc") << QStringLiteral("__ _.doc");
        const QString longBase(300, QLatin1Char('a'));
        QTest::newRow("too long, extension kept")
            << longBase + QStringLiteral(".pdf") << QString(246, QLatin1Char('a')) + QStringLiteral(".pdf");
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
