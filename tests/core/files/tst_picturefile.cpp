// Pictures read at the size the program keeps: phone photos far beyond the
// image reader's default memory limit load reduced, and a file that is no
// picture or stops before its picture does is refused, never shown half grey.
#include "Pictures.h"
#include "core/files/PictureFile.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

class TstPictureFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString write(const QByteArray &bytes) {
        const QString path = dir.filePath(QStringLiteral("scelta"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            return QString();
        return path;
    }

private slots:
    void readsAtTheKeptSize_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("maxSide");
        QTest::addColumn<QSize>("size");
        // 8000x6000 needs 192 MB as a picture: over the reader's default limit.
        QTest::newRow("48-megapixel phone photo")
            << Pictures::jpeg({8000, 6000}) << 1600 << QSize(1600, 1200);
        QTest::newRow("the same, upright") << Pictures::jpeg({6000, 8000}) << 1600 << QSize(1200, 1600);
        QTest::newRow("progressive JPEG")
            << Pictures::jpeg({3000, 2000}, Qt::red, true) << 1200 << QSize(1200, 800);
        QTest::newRow("bitmap beyond the limit")
            << Pictures::bitmap({8000, 6000}) << 1200 << QSize(1200, 900);
        QTest::newRow("small bitmap as it is") << Pictures::bitmap({50, 80}) << 1600 << QSize(50, 80);
        QTest::newRow("exactly the kept side") << Pictures::jpeg({1600, 900}) << 1600 << QSize(1600, 900);
        QTest::newRow("JPEG with bytes after its end")
            << Pictures::jpeg({300, 200}) + QByteArray(500, 'x') << 1600 << QSize(300, 200);
    }
    void readsAtTheKeptSize() {
        QFETCH(QByteArray, file);
        QFETCH(int, maxSide);
        QFETCH(QSize, size);
        const QImage picture = PictureFile::read(write(file), maxSide);
        QCOMPARE(picture.size(), size);
        // The band across the middle is where it was: nothing stretched or cut.
        QVERIFY(picture.pixelColor(size.width() / 2, size.height() / 2).value() <
                picture.pixelColor(size.width() / 2, size.height() / 8).value() - 40);
    }

    void refusesWhatIsNoWholePicture_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray jpeg = Pictures::jpeg({640, 480});
        const QByteArray bmp = Pictures::bitmap({640, 480});
        QTest::newRow("text") << QByteArray("this is no picture");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("JPEG cut in its picture data") << Pictures::cut(jpeg);
        QTest::newRow("JPEG without its last two bytes") << jpeg.chopped(2);
        QTest::newRow("JPEG cut in its headers") << jpeg.left(300);
        QTest::newRow("progressive JPEG cut")
            << Pictures::cut(Pictures::jpeg({640, 480}, Qt::red, true), 0.8);
        QTest::newRow("bitmap cut in its rows") << Pictures::cut(bmp);
        QTest::newRow("bitmap without its last byte") << bmp.chopped(1);
        QTest::newRow("bitmap header only") << bmp.left(54);
    }
    void refusesWhatIsNoWholePicture() {
        QFETCH(QByteArray, file);
        // The decoders alone show most of these, with a grey or black band.
        QVERIFY(PictureFile::read(write(file), 1600).isNull());
    }

    void aMissingFileIsNoPicture() {
        QVERIFY(PictureFile::read(dir.filePath(QStringLiteral("manca.jpg")), 1600).isNull());
    }

    // The reader's memory limit is the program's again after a bitmap.
    void theReadersLimitIsRestored() {
        const int before = QImageReader::allocationLimit();
        QVERIFY(!PictureFile::read(write(Pictures::bitmap({3000, 3000})), 1600).isNull());
        QCOMPARE(QImageReader::allocationLimit(), before);
    }
};

QTEST_MAIN(TstPictureFile)
#include "tst_picturefile.moc"
