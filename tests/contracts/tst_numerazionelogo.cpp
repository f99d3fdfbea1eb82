// The numbering screen (the start value in Contratti.ini) and the logo screen
// (Logo.bmp written in BMP whatever the source), with their failures.
#include "Pictures.h"
#include "TestEnv.h"
#include "contracts/print/ContractLogo.h"
#include "contracts/print/Logo.h"
#include "contracts/card/ContractNumber.h"
#include "contracts/card/Numerazione.h"
#include "core/settings/IniFile.h"
#include "ui/windows/Satellite.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString kIni = QStringLiteral("Contratti.ini");

QString startValue(const TempProgramFolder &folder) {
    return IniFile(folder.file(kIni)).read(QStringLiteral("Numerazione Contratti"), QStringLiteral("Inizio"));
}

// The format and size of a picture file, as a reader sees it.
struct PictureFile {
    explicit PictureFile(const QString &path) {
        QImageReader r(path);
        format = r.format();
        image = r.read();
    }
    QByteArray format;
    QImage image;
};

} // namespace

class TstNumerazioneLogo : public QObject {
    Q_OBJECT

    ScreenSeams *seams = nullptr;
    ScriptedFileDialogs *dialogs = nullptr;

    TfrmNumerazione *numbering(const QString &caller = QStringLiteral("contratti")) {
        auto *n = new TfrmNumerazione;
        n->lblMemory->setText(caller);
        n->show();
        return n;
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        dialogs = new ScriptedFileDialogs;
    }
    void cleanup() {
        delete dialogs;
        delete seams;
    }

    void numberingShows_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("caller");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no settings file") << QByteArray() << "contratti"
                                          << "1";
        QTest::newRow("Inizio empty") << QByteArray("[Numerazione Contratti]\r\nInizio=\r\n") << "contratti"
                                      << "1";
        QTest::newRow("Inizio 250") << QByteArray("[Numerazione Contratti]\r\nInizio=250\r\n") << "contratti"
                                    << "250";
        QTest::newRow("caller with blanks")
            << QByteArray("[Numerazione Contratti]\r\nInizio=250\r\n") << " contratti "
            << "250";
        QTest::newRow("another caller")
            << QByteArray("[Numerazione Contratti]\r\nInizio=250\r\n") << "lblMemory"
            << "1";
    }
    void numberingShows() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, caller);
        QFETCH(QString, shown);
        if (!ini.isEmpty())
            seams->folder.write(kIni, ini);
        std::unique_ptr<TfrmNumerazione> n(numbering(caller));
        QCOMPARE(n->txtInizio->text(), shown);
        QCOMPARE(n->txtInizio->maxLength(), 5);
        QCOMPARE(n->windowTitle(), QStringLiteral(" Impostazione inizio numerazione"));
        QCOMPARE(n->grpNumerazione->title(), QStringLiteral(" Inizia numerazione da: "));
    }

    void numberingApplies_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("1000") << "1000"
                              << "1000";
        QTest::newRow("leading zeros go") << "007"
                                          << "7";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("empty becomes 1") << ""
                                         << "1";
        QTest::newRow("letters are swallowed") << "1a2b"
                                               << "12";
        QTest::newRow("at most five digits") << "1234567"
                                             << "12345";
    }
    void numberingApplies() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        std::unique_ptr<TfrmNumerazione> n(numbering());
        n->txtInizio->clear();
        n->txtInizio->setFocus();
        QTest::keyClicks(n->txtInizio, typed);
        QTest::keyClick(n->txtInizio, Qt::Key_Return); // Enter goes to Applica, leaving the field
        QCOMPARE(n->focusWidget(), n->btnApplica);
        n->btnApplica->click();
        QCOMPARE(n->result(), int(QDialog::Accepted));
        QCOMPARE(startValue(seams->folder), stored);
        QVERIFY(seams->messages.shown.isEmpty());
    }

    // A start that is no whole number ("12,5", typed in the file by hand):
    // the screen shows it as it is — the contract screen's Nuovo refuses it,
    // so showing it rounded would hide why — and Applica stores it rounded
    // by the field's rule, a start Nuovo then proposes from.
    void aStartThatIsNoWholeNumber() {
        seams->folder.write(kIni, "[Numerazione Contratti]\r\nInizio=12,5\r\n");
        QVERIFY(!ContractNumber::startFrom(startValue(seams->folder)));
        // Opened as the contract screen opens it: modal, over its opener.
        QWidget opener;
        opener.show();
        QString shown;
        whenModal([&](QWidget *w) {
            auto *n = qobject_cast<TfrmNumerazione *>(w);
            QVERIFY(n);
            shown = n->txtInizio->text();
            n->btnApplica->click();
        });
        openSatellite<TfrmNumerazione>(
            &opener, [](TfrmNumerazione *n) { n->lblMemory->setText(QStringLiteral("contratti")); });
        QCOMPARE(shown, QStringLiteral("12,5"));
        QCOMPARE(startValue(seams->folder), QStringLiteral("13"));
        QCOMPARE(ContractNumber::startFrom(startValue(seams->folder)), std::optional<qint64>(13));
    }

    void cancelAndOtherCallersWriteNothing() {
        {
            std::unique_ptr<TfrmNumerazione> n(numbering());
            n->txtInizio->setText(QStringLiteral("500"));
            n->btnAnnulla->click();
        }
        {
            std::unique_ptr<TfrmNumerazione> n(numbering(QStringLiteral("altro")));
            n->txtInizio->setText(QStringLiteral("500"));
            n->btnApplica->click();
            QVERIFY(n->isHidden());
        }
        QVERIFY(!QFile::exists(seams->folder.file(kIni)));
    }

    // A settings file that cannot be written: the user is told and the screen
    // stays open with the number typed.
    void unwritableSettingsAreReported() {
        // As root every file is writable: a folder (not empty) in its place is what cannot be written.
        QVERIFY(QDir(seams->folder.path()).mkpath(kIni + QStringLiteral("/x")));
        std::unique_ptr<TfrmNumerazione> n(numbering());
        n->txtInizio->setText(QStringLiteral("300"));
        n->btnApplica->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        QCOMPARE(seams->messages.shown.last().text, TfrmNumerazione::notSavedText());
        QVERIFY(n->isVisible());
        QCOMPARE(n->txtInizio->text(), QStringLiteral("300"));
    }

    void logoShowsTheFileOrTheDefault_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("no Logo.bmp: the euro sign") << QByteArray() << QSize(297, 184);
        QTest::newRow("unreadable Logo.bmp") << QByteArray("not a picture") << QSize(297, 184);
        QTest::newRow("a logo of 40x30") << QByteArray("40x30") << QSize(40, 30);
    }
    void logoShowsTheFileOrTheDefault() {
        QFETCH(QByteArray, file);
        QFETCH(QSize, size);
        if (file == "40x30") {
            QImage small(40, 30, QImage::Format_RGB32);
            small.fill(Qt::green);
            QVERIFY(small.save(seams->folder.file(QStringLiteral("Logo.bmp")), "BMP"));
        } else if (!file.isEmpty()) {
            seams->folder.write(QStringLiteral("Logo.bmp"), file);
        }
        TfrmLogo logo;
        logo.show();
        QCOMPARE(logo.picture().size(), size);
        if (size == QSize(297, 184))
            QCOMPARE(logo.picture(), ContractLogo::defaultLogo());
        QVERIFY(!logo.imgLogo->pixmap().isNull());
    }

    // The default logo is a blue euro sign on white.
    void defaultLogoIsABlueEuroSign() {
        const QImage euro = ContractLogo::defaultLogo();
        QCOMPARE(euro.size(), QSize(297, 184));
        QCOMPARE(euro.pixelColor(2, 2), QColor(Qt::white));
        int blue = 0;
        for (int y = 0; y < euro.height(); y += 2)
            for (int x = 0; x < euro.width(); x += 2)
                if (const QColor c = euro.pixelColor(x, y); c.blue() > 140 && c.red() < 100)
                    ++blue;
        QVERIFY2(blue > 1000, qPrintable(QString::number(blue)));
    }

    // A 600x400 JPEG chosen with Sfoglia is written as a 600x400 BMP.
    void jpegIsWrittenAsBmp() {
        QImage photo(600, 400, QImage::Format_RGB32);
        photo.fill(QColor(200, 30, 30));
        const QString jpeg = seams->folder.file(QStringLiteral("marchio.jpg"));
        QVERIFY(photo.save(jpeg, "JPG"));
        dialogs->nextNames = {jpeg};
        TfrmLogo logo;
        logo.show();
        logo.btnSfoglia->click();
        QCOMPARE(logo.picture().size(), QSize(600, 400));
        logo.btnApplica->click();
        QCOMPARE(logo.result(), int(QDialog::Accepted));
        const PictureFile written(seams->folder.file(QStringLiteral("Logo.bmp")));
        QCOMPARE(written.format, QByteArray("bmp"));
        QCOMPARE(written.image.size(), QSize(600, 400));
        QCOMPARE(seams->folder.read(QStringLiteral("Logo.bmp")).left(2), QByteArray("BM"));
        const QColor c = written.image.pixelColor(300, 200);
        QVERIFY(qAbs(c.red() - 200) < 12 && c.green() < 45 && c.blue() < 45);
    }

    void eraserWritesATwoByTwoWhiteBmp() {
        TfrmLogo logo;
        logo.show();
        logo.btnCancLogo->click();
        logo.btnApplica->click();
        const PictureFile written(seams->folder.file(QStringLiteral("Logo.bmp")));
        QCOMPARE(written.format, QByteArray("bmp"));
        QCOMPARE(written.image.size(), QSize(2, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                QCOMPARE(written.image.pixelColor(x, y), QColor(Qt::white));
        // The euro button brings the default logo back.
        TfrmLogo again;
        again.show();
        QCOMPARE(again.picture().size(), QSize(2, 2));
        again.imgEuro->click();
        QCOMPARE(again.picture(), ContractLogo::defaultLogo());
    }

    // A chosen file that cannot be read is said so and the logo there was stays.
    void browseCancelledOrUnreadable_data() { Pictures::addUnreadableRows(); }
    void browseCancelledOrUnreadable() {
        QFETCH(QByteArray, file);
        seams->folder.write(QStringLiteral("rotto.jpg"), file);
        dialogs->nextNames = {QString(), seams->folder.file(QStringLiteral("rotto.jpg"))};
        TfrmLogo logo;
        logo.show();
        logo.btnCancLogo->click();
        logo.btnSfoglia->click(); // cancelled: nothing changes, nothing is said
        QCOMPARE(logo.picture().size(), QSize(2, 2));
        QVERIFY(seams->messages.shown.isEmpty());
        logo.btnSfoglia->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.first().kind, MessageKind::Warning);
        QCOMPARE(seams->messages.lastText(),
                 TfrmLogo::unreadableText(seams->folder.file(QStringLiteral("rotto.jpg"))));
        QCOMPARE(logo.picture(), ContractLogo::blankLogo());
    }

    // A photo chosen as logo is kept at most 1200 pixels on its long side,
    // proportions kept: a 48-megapixel JPEG loads and Logo.bmp stays small.
    void aLargePictureIsKeptReduced_data() {
        QTest::addColumn<QSize>("chosen");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("48 megapixels") << QSize(8000, 6000) << QSize(1200, 900);
        QTest::newRow("6000x5000") << QSize(6000, 5000) << QSize(1200, 1000);
        QTest::newRow("tall") << QSize(1000, 2400) << QSize(500, 1200);
    }
    void aLargePictureIsKeptReduced() {
        QFETCH(QSize, chosen);
        QFETCH(QSize, kept);
        seams->folder.write(QStringLiteral("foto.jpg"), Pictures::jpeg(chosen));
        dialogs->nextNames = {seams->folder.file(QStringLiteral("foto.jpg"))};
        TfrmLogo logo;
        logo.show();
        logo.btnSfoglia->click();
        QVERIFY(seams->messages.shown.isEmpty());
        QCOMPARE(logo.picture().size(), kept);
        logo.btnApplica->click();
        const PictureFile written(seams->folder.file(QStringLiteral("Logo.bmp")));
        QCOMPARE(written.image.size(), kept);
        QVERIFY(QFileInfo(seams->folder.file(QStringLiteral("Logo.bmp"))).size() < 5 * 1024 * 1024);
    }

    // A Logo.bmp beyond the reader's default limit (written by an earlier
    // version) shows reduced, not as the default logo.
    void aLargeLogoFileShows() {
        seams->folder.write(QStringLiteral("Logo.bmp"), Pictures::bitmap({8000, 6000}));
        QCOMPARE(ContractLogo::current().size(), QSize(1200, 900));
    }

    void cancelLeavesLogoUntouched() {
        seams->folder.write(QStringLiteral("Logo.bmp"), "earlier file");
        TfrmLogo logo;
        logo.show();
        logo.btnCancLogo->click();
        logo.btnAnnulla->click();
        QCOMPARE(seams->folder.read(QStringLiteral("Logo.bmp")), QByteArray("earlier file"));
    }

    // A logo that cannot be written is reported and the chosen picture stays.
    void unwritableLogoIsReported() {
        // As root every file is writable: a folder of that name is what cannot be written.
        QVERIFY(QDir(seams->folder.path()).mkdir(QStringLiteral("Logo.bmp")));
        TfrmLogo logo;
        logo.show();
        logo.btnCancLogo->click();
        logo.btnApplica->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        QCOMPARE(seams->messages.shown.last().text, TfrmLogo::notSavedText());
        QVERIFY(logo.isVisible());
        QCOMPARE(logo.picture().size(), QSize(2, 2));
    }
};

QTEST_MAIN(TstNumerazioneLogo)
#include "tst_numerazionelogo.moc"
