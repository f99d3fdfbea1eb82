// The employee photo: loaded from a file, saved to a file, cleared, zoomed,
// captured from a camera fed by the test, the slideshow's turns, and the
// printed card with its photo read back from the PDF.
#include "EmployeeFixture.h"
#include "PdfText.h"
#include "Pictures.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "core/platform/Camera.h"
#include "employees/card/AnteprimaDipendenti.h"
#include "employees/card/Dipendenti.h"
#include "employees/photo/EmployeePhoto.h"
#include "employees/photo/PhotoFiles.h"
#include "employees/photo/Slideshow_Dipendenti.h"
#include "employees/card/StampaDipendenti.h"
#include "employees/photo/WebCam.h"
#include "employees/photo/Zoom.h"
#include "reports/ReportPreview.h"
#include "shell/Application.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
QImage solid(QSize size, QColor color) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    return img;
}

bool isPlaceholder(const QImage &img) { return img == EmployeePhoto::placeholder(); }

// Roughly this colour in the middle (JPEG is lossy).
bool looksLike(const QImage &img, QColor c) {
    const QColor m = img.pixelColor(img.width() / 2, img.height() / 2);
    return std::abs(m.red() - c.red()) < 40 && std::abs(m.green() - c.green()) < 40 &&
           std::abs(m.blue() - c.blue()) < 40;
}

// A camera the test drives: it exists, starts and stops, and sends the frames it is given.
class FakeCamera : public CameraDevice {
public:
    static inline FakeCamera *last = nullptr;
    static inline bool present = true; // false: the platform lists no video input
    FakeCamera() { last = this; }
    ~FakeCamera() override { last = nullptr; }
    bool exists() const override { return present; }
    void start() override { active = present; }
    void stop() override { active = false; }
    bool isActive() const override { return active; }
    void send(const QImage &frame) { emit frameReady(frame); }
    bool active = false;
};
} // namespace

class TstPhoto : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;
    ScriptedFileDialogs *dialogs = nullptr;
    TfrmDipendenti *card = nullptr;

    TempProgramFolder &folder() { return seams->folder; }
    void fillRequired() {
        card->txtDipendente->setText(QStringLiteral("Rossi Mario"));
        card->txtCodFisc->setText(QStringLiteral("RSSMRA80A01H501U"));
        card->txtCel->setText(QStringLiteral("3331234567"));
        card->txtQualifica->setText(QStringLiteral("Operaio"));
        card->txtReparto->setText(QStringLiteral("Uffici"));
    }
    QImage storedPhoto(int n) {
        return QImage(folder().file(QStringLiteral("Anagrafica/Scheda_Dipendente_%1.jpg").arg(n)));
    }
    template <typename Screen>
    void withScreen(QAbstractButton *opener, const std::function<void(Screen *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<Screen *>(w);
            QVERIFY(s);
            steps(s);
            ran = true;
            if (s->isVisible())
                s->close();
        });
        opener->click();
        QVERIFY(ran);
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        dialogs = new ScriptedFileDialogs;
        card = Tersalia::createScreens().dipendenti;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        Camera::setFactory({});
        FakeCamera::present = true;
        delete dialogs;
        delete seams;
    }

    void aLoadedPhotoIsShownAndWrittenAtTheNextSave() {
        QVERIFY(solid(QSize(50, 80), QColor(20, 40, 220)).save(folder().file("ritratto.bmp"), "BMP"));
        dialogs->nextNames = {folder().file("ritratto.bmp")};
        card->btnCaricaFoto->click();
        QCOMPARE(card->photo().size(), QSize(50, 80));
        QVERIFY(!QDir(folder().file("Anagrafica")).exists()); // nothing on disk until Salva
        fillRequired();
        card->cmdSalva->click();
        QCOMPARE(storedPhoto(1).size(), QSize(50, 80));
        QVERIFY(looksLike(storedPhoto(1), QColor(20, 40, 220)));
    }

    // A phone's photo, far beyond the image reader's default memory limit,
    // loads at the size a photo is kept, and that is what Salva writes.
    void aPhonePhotoLoadsAtTheKeptSize_data() {
        QTest::addColumn<QSize>("chosen");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("48 megapixels, landscape") << QSize(8000, 6000) << QSize(1600, 1200);
        QTest::newRow("48 megapixels, portrait") << QSize(6000, 8000) << QSize(1200, 1600);
        QTest::newRow("small photo as it is") << QSize(640, 480) << QSize(640, 480);
    }
    void aPhonePhotoLoadsAtTheKeptSize() {
        QFETCH(QSize, chosen);
        QFETCH(QSize, kept);
        folder().write("telefono.jpg", Pictures::jpeg(chosen, QColor(20, 40, 220)));
        dialogs->nextNames = {folder().file("telefono.jpg")};
        card->btnCaricaFoto->click();
        QVERIFY(seams->messages.shown.isEmpty());
        QCOMPARE(card->photo().size(), kept);
        fillRequired();
        card->cmdSalva->click();
        QCOMPARE(storedPhoto(1).size(), kept);
        QVERIFY(looksLike(storedPhoto(1).copy(0, 0, kept.width(), kept.height() / 4), QColor(20, 40, 220)));
    }

    // A stored photo larger than the reader's default limit (put there by an
    // earlier version or by hand) shows, and Salva keeps it a photo.
    void aLargeStoredPhotoShowsAndStays() {
        QDir().mkpath(folder().file("Anagrafica"));
        folder().write("Anagrafica/Scheda_Dipendente_1.jpg",
                       Pictures::jpeg({8000, 6000}, QColor(20, 40, 220)));
        folder().write("Archivio_Dipendenti.pro", employee("Rossi Mario", "RSSMRA80A01H501U"));
        card->cmdPrimo->click();
        QCOMPARE(card->photo().size(), QSize(1600, 1200));
        card->cmdSalva->click();
        QVERIFY(!isPlaceholder(storedPhoto(1)));
        QCOMPARE(storedPhoto(1).size(), QSize(1600, 1200));
    }

    // A stored photo the program cannot read shows the placeholder, and Salva
    // leaves its file as it is until another picture goes into the frame.
    void anUnreadableStoredPhotoIsLeftAsItIs() {
        const QByteArray damaged = Pictures::cut(Pictures::jpeg({640, 480}));
        QDir().mkpath(folder().file("Anagrafica"));
        folder().write("Anagrafica/Scheda_Dipendente_1.jpg", damaged);
        folder().write("Archivio_Dipendenti.pro", employee("Rossi Mario", "RSSMRA80A01H501U"));
        card->cmdPrimo->click();
        QVERIFY(isPlaceholder(card->photo()));
        card->cmdSalva->click();
        QCOMPARE(folder().read("Anagrafica/Scheda_Dipendente_1.jpg"), damaged);
        QCOMPARE(seams->messages.shown.size(), 1); // saved, and nothing said of the photo
        QCOMPARE(seams->messages.shown.first().kind, MessageKind::Information);
        folder().write("nuova.jpg", Pictures::jpeg({300, 200}));
        dialogs->nextNames = {folder().file("nuova.jpg")};
        card->btnCaricaFoto->click();
        card->cmdSalva->click();
        QCOMPARE(storedPhoto(1).size(), QSize(300, 200));
    }

    // A chosen file that cannot be read is said so, and the photo there was
    // stays (so Salva cannot replace it with the placeholder).
    void aFileThatCannotBeReadKeepsThePhoto_data() { Pictures::addUnreadableRows(); }
    void aFileThatCannotBeReadKeepsThePhoto() {
        QFETCH(QByteArray, file);
        card->setPhoto(solid(QSize(60, 60), Qt::red));
        dialogs->nextNames = {};
        card->btnCaricaFoto->click(); // cancelled
        QCOMPARE(card->photo().size(), QSize(60, 60));
        QVERIFY(seams->messages.shown.isEmpty());
        folder().write("rotta.jpg", file);
        dialogs->nextNames = {folder().file("rotta.jpg")};
        card->btnCaricaFoto->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.first().kind, MessageKind::Warning);
        QCOMPARE(seams->messages.lastText(), PhotoFiles::unreadableText(folder().file("rotta.jpg")));
        QCOMPARE(card->photo(), solid(QSize(60, 60), Qt::red));
    }

    // A camera frame larger than the kept size is written reduced.
    void aLargePictureIsWrittenAtTheKeptSize() {
        card->setPhoto(solid(QSize(3840, 2160), QColor(0, 160, 0)));
        fillRequired();
        card->cmdSalva->click();
        QCOMPARE(storedPhoto(1).size(), QSize(1600, 900));
    }

    void clearedPhotoSavesThePlaceholder() {
        card->setPhoto(solid(QSize(60, 60), Qt::red));
        card->btnCancFoto->click();
        QVERIFY(isPlaceholder(card->photo()));
        fillRequired();
        card->cmdSalva->click();
        QCOMPARE(storedPhoto(1).size(), QSize(307, 394));
    }

    void savePhotoToAFileOfTheUsersChoice() {
        card->setPhoto(solid(QSize(64, 48), QColor(0, 160, 0)));
        dialogs->nextNames = {folder().file("copia.jpg")};
        card->btnSalvaFoto->click();
        const QImage copy(folder().file("copia.jpg"), "JPG");
        QCOMPARE(copy.size(), QSize(64, 48));
        QVERIFY(seams->messages.shown.isEmpty());
        // A place that cannot be written: said so, and the photo stays in the frame.
        QDir().mkpath(folder().file("cartella.jpg"));
        dialogs->nextNames = {folder().file("cartella.jpg")};
        card->btnSalvaFoto->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        QVERIFY(seams->messages.lastText().startsWith(
            QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file ")));
        QCOMPARE(card->photo().size(), QSize(64, 48));
    }

    void zoomShowsTheSamePictureFittedToTheScreen_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small, enlarged") << QSize(30, 40);
        QTest::newRow("large, reduced") << QSize(6000, 2000);
    }
    void zoomShowsTheSamePictureFittedToTheScreen() {
        QFETCH(QSize, size);
        const QImage picture = solid(size, QColor(200, 120, 0));
        card->setPhoto(picture);
        withScreen<TfrmZoom>(card->btnZoomFoto, [&](TfrmZoom *z) {
            QCOMPARE(z->windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
            QCOMPARE(z->picture(), picture);
            const QSize area = z->stageSize();
            const QSize shown = z->imgFoto->pixmap().size();
            QVERIFY2(shown.width() == area.width() || shown.height() == area.height(),
                     qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                    .arg(shown.width())
                                    .arg(shown.height())
                                    .arg(area.width())
                                    .arg(area.height())));
            QVERIFY(shown.width() <= area.width() && shown.height() <= area.height());
            QVERIFY(qAbs(double(shown.width()) / shown.height() - double(size.width()) / size.height()) <
                    0.02);
            QTest::mouseClick(z->imgFoto, Qt::LeftButton);
            QVERIFY(!z->isVisible());
        });
    }

    void slideshowVisitsEveryEmployeeInOrder() {
        folder().write("Archivio_Dipendenti.pro",
                       employee("Uno", "A") + employee("Due", "B") + employee("Tre", "C"));
        QDir().mkpath(folder().file("Anagrafica"));
        QVERIFY(solid(QSize(40, 40), Qt::red).save(folder().file("Anagrafica/Scheda_Dipendente_1.jpg")));
        QVERIFY(solid(QSize(40, 40), Qt::blue).save(folder().file("Anagrafica/Scheda_Dipendente_3.jpg")));
        withScreen<TfrmSlideshow_Dipendenti>(card->cmdSlideshow, [&](TfrmSlideshow_Dipendenti *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Slide show foto dipendenti"));
            QVERIFY(s->Timer->isActive());
            QCOMPARE(s->Timer->interval(), 6000);
            QVERIFY(isPlaceholder(s->picture()));
            const struct {
                const char *position;
                QColor color; // invalid: the placeholder
            } turns[] = {{"1", Qt::red}, {"2", QColor()}, {"3", Qt::blue}, {"0", Qt::blue}, {"1", Qt::red}};
            for (const auto &t : turns) {
                s->cmdAvanti->click();
                QCOMPARE(s->lblPosizione->text(), QLatin1String(t.position));
                if (t.color.isValid())
                    QVERIFY(looksLike(s->picture(), t.color));
                else
                    QVERIFY(isPlaceholder(s->picture()));
            }
        });
        QVERIFY(seams->messages.shown.isEmpty());
    }

    void slideshowOnAnEmptyArchiveSaysSoOnceAndCloses() {
        withScreen<TfrmSlideshow_Dipendenti>(card->cmdSlideshow, [&](TfrmSlideshow_Dipendenti *s) {
            s->cmdAvanti->click();
            QVERIFY(!s->isVisible());
            QVERIFY(!s->Timer->isActive());
        });
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.lastText(), QStringLiteral("L'archivio non contiene nessuna scheda."));
    }

    void aFrameFromTheCameraLandsInTheCard() {
        Camera::setFactory([]() { return std::make_unique<FakeCamera>(); });
        const QImage frame = solid(QSize(640, 480), QColor(230, 30, 120));
        withScreen<TfrmWebCam>(card->btnWebcam, [&](TfrmWebCam *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Cattura foto con webcam"));
            QCOMPARE(w->lblMemory->text(), QStringLiteral("euro_01"));
            QCOMPARE(w->livePicture(), TfrmWebCam::webcamDrawing());
            QCOMPARE(w->capturedPicture(), TfrmWebCam::photoCameraDrawing());
            w->btnCattura->click(); // before the camera is on: the webcam drawing
            QCOMPARE(w->capturedPicture(), TfrmWebCam::webcamDrawing());
            w->btnAccendi->click();
            QVERIFY(FakeCamera::last->active);
            FakeCamera::last->send(frame);
            QCOMPARE(w->livePicture(), frame);
            w->btnCattura->click();
            QCOMPARE(w->capturedPicture(), frame);
            w->btnImportaFoto->click();
            QVERIFY(!FakeCamera::last->active);
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(card->photo(), frame);
        QVERIFY(!FakeCamera::last || !FakeCamera::last->active); // importing switched the camera off
    }

    void withoutACameraTheLiveViewKeepsItsDrawing() {
        withScreen<TfrmWebCam>(card->btnWebcam, [&](TfrmWebCam *w) {
            if (w->camera()->exists())
                QSKIP("this machine has a camera");
            w->btnAccendi->click();
            QTest::qWait(300);
            QVERIFY(!w->camera()->isActive());
            QCOMPARE(w->livePicture(), TfrmWebCam::webcamDrawing());
            w->btnCattura->click();
            w->btnSpegni->click();
            w->btnClose->click();
        });
        QVERIFY(isPlaceholder(card->photo()));
    }

    // "Accendi webcam" with no camera says so; with one it says nothing.
    void switchingOnTellsWhenNoCameraIsFound_data() {
        QTest::addColumn<bool>("present");
        QTest::newRow("no camera") << false;
        QTest::newRow("a camera") << true;
    }
    void switchingOnTellsWhenNoCameraIsFound() {
        QFETCH(bool, present);
        FakeCamera::present = present;
        Camera::setFactory([]() { return std::make_unique<FakeCamera>(); });
        withScreen<TfrmWebCam>(card->btnWebcam, [&](TfrmWebCam *w) {
            w->btnAccendi->click();
            QCOMPARE(w->camera()->isActive(), present);
            QCOMPARE(w->isVisible(), true); // the screen stays for another try
        });
        if (present) {
            QVERIFY(seams->messages.shown.isEmpty());
        } else {
            QCOMPARE(seams->messages.shown.size(), 1);
            QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
            QCOMPARE(seams->messages.lastText(), TfrmWebCam::noCameraText());
            QVERIFY(seams->messages.lastText().contains(QStringLiteral("nessuna webcam")));
        }
    }

    void printedCardHoldsTheTextsAndThePhoto() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils not installed");
        fillRequired();
        card->txtLingue->setText(QStringLiteral("Inglese, francese"));
        card->txtSesso->setText(QStringLiteral("M"));
        card->setPhoto(solid(QSize(200, 300), QColor(30, 90, 200)));
        ScriptedPrinter printer;
        printer.outputFile = folder().file("scheda.pdf");
        withScreen<TfrmStampaDipendenti>(card->cmdStampa, [](TfrmStampaDipendenti *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Stampa documento"));
            s->btnStampa->click();
        });
        QCOMPARE(printer.calls, 1);
        QVERIFY(seams->messages.shown.isEmpty());
        const QString text = PdfText(printer.outputFile).allText();
        for (const char *expected :
             {"Rossi Mario", "LINGUE CONOSCIUTE", "Inglese, francese", "RSSMRA80A01H501U", "QUALIFICA",
              "Operaio", "TEL. CELLULARE", "3331234567"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        // The photo is in the page with its proportions.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printer.outputFile});
        QVERIFY(images.waitForFinished());
        const QStringList rows = QString::fromLocal8Bit(images.readAllStandardOutput()).split('\n').mid(2);
        bool found = false;
        for (const QString &row : rows) {
            const QStringList cols = row.simplified().split(' ');
            if (cols.size() > 4 && cols[2] == QLatin1String("image")) {
                const double ratio = cols[3].toDouble() / cols[4].toDouble();
                found = found || qAbs(ratio - 200.0 / 300.0) < 0.02;
            }
        }
        QVERIFY2(found, qPrintable(rows.join('\n')));
    }

    void previewShowsTheCardAsOnScreen() {
        card->txtDipendente->setText(QStringLiteral("Non ancora salvato"));
        bool previewed = false;
        withScreen<TfrmAnteprimaDipendenti>(card->cmdAnteprima, [&](TfrmAnteprimaDipendenti *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Anteprima di stampa"));
            QCOMPARE(s->btnStampa->text(), QStringLiteral("Mostra anteprima"));
            // The preview opens inside the launcher: poll for it, then press the button.
            auto *poll = new QTimer(s);
            connect(poll, &QTimer::timeout, s, [&, poll]() {
                if (auto *preview = qobject_cast<ReportPreview *>(QApplication::activeModalWidget())) {
                    poll->stop();
                    previewed = preview->view != nullptr;
                    preview->actChiudi->trigger();
                }
            });
            poll->start(10);
            QTimer::singleShot(0, s->btnStampa, &QAbstractButton::click);
            QTRY_VERIFY(!s->isVisible());
        });
        QVERIFY(previewed);
        QVERIFY(seams->messages.shown.isEmpty());
        QVERIFY(!QFile::exists(folder().file("Archivio_Dipendenti.pro"))); // nothing read or written
    }
};

QTEST_MAIN(TstPhoto)
#include "tst_photo.moc"
