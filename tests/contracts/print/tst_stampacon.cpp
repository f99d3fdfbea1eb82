// The two-page contract: page one filled from the screen's fields with the
// logo fitted into its box, page two the clauses; printed, previewed, and the
// warning when printing fails.
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "contracts/print/AnteprimaCon.h"
#include "contracts/print/ContractLogo.h"
#include "contracts/print/ContractPrint.h"
#include "contracts/print/StampaCon.h"
#include "core/records/Archives.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreview.h"
#include "reports/ReportUnits.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

Record contract() {
    Record r(Archives::contracts());
    const QList<std::pair<const char *, QString>> values = {
        {"txtNumContratto", "107"},
        {"txtData", "15/03/2024"},
        {"txtLuogo", "Roma"},
        {"txtDitta", "Splendor Pulizie Srl"},
        {"txtPartitaIva", "12345678903"},
        {"txtCodFisc", "RSSMRA80A01H501U"},
        {"txtSede", "Roma"},
        {"txtProvRes", "RM"},
        {"txtCapRes", "00100"},
        {"txtVia", "Via Po 1"},
        {"txtTelUff", "06 5551234"},
        {"txtTelCel", "splendor@pec.it"},
        {"txtFax", "Mario Rossi"},
        {"txtCliente", "Condominio Aurora"},
        {"txtComuneCli", "Frascati"},
        {"txtProvCli", "RM"},
        {"txtCapCli", "00044"},
        {"txtPartitaIvaCli", ""},
        {"txtCodFiscCli", "80012345678"},
        {"txtViaCli", "Viale Europa 8"},
        {"txtTelCli", "06 9401234"},
        {"txtQualitaCli", "Settimanale"},
        {"txtTipoImpianto", "Condominio"},
        {"txtMarca", "Viale Europa 8, scale A e B"},
        {"txtMatricola", "12 mesi"},
        {"txtAlimentazione", "Impresa"},
        {"txtAnnoCostruz", "Roma"},
        {"txtCaratteristiche", "Preavviso di 60 giorni"},
        {"txtUbicazione", "Polizza RC n. 998877"},
        {"txtDurata", "Lunedì e giovedì 7-9"},
        {"txtTotale", "2 ore"},
        {"txtPeriodicita", "Mensile"},
        {"txtImpCanone", "1250,00"},
        {"txtPagamento", "Bonifico bancario"},
        {"txtOpInc01", "Pulizia scale e androni"},
        {"txtOpEsc01", "Pulizia vetri esterni"},
    };
    for (const auto &[field, value] : values)
        r.set(field, value);
    return r;
}

QImage solid(QSize size, const QColor &color) {
    QImage i(size, QImage::Format_RGB32);
    i.fill(color);
    return i;
}

// Polls until the report preview is the active modal window, then acts on it.
void whenPreview(std::function<void(ReportPreview *)> action) {
    auto *timer = new QTimer;
    auto *waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        auto *preview = qobject_cast<ReportPreview *>(QApplication::activeModalWidget());
        if (!preview && ++*waited < 500)
            return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (preview)
            action(preview);
    });
    timer->start(10);
}

// Pixels of page one inside the logo box (1, 1, 79 x 39 mm from the 10 mm margins), at 96 dpi.
QImage logoArea(const QImage &page) {
    const double px = 96 / 25.4;
    return page.copy(QRectF(11 * px, 11 * px, 79 * px, 39 * px).toRect());
}

bool near(const QColor &c, const QColor &want) {
    return qAbs(c.red() - want.red()) < 30 && qAbs(c.green() - want.green()) < 30 &&
           qAbs(c.blue() - want.blue()) < 30;
}

} // namespace

class TstStampaCon : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are needed to read the printed contract");
    }

    void filledTexts() {
        ReportEngine engine;
        QVERIFY(ContractPrint::fill(engine, contract(), ContractLogo::defaultLogo()));
        const QList<std::pair<const char *, QString>> expected = {
            {"txtSede", "Sede legale:  Roma  RM     CAP:  00100     Via Po 1"},
            {"txtComuneCli", "Residenza:  Frascati  RM     CAP:  00044     Viale Europa 8"},
            {"txtPartitaIvaCli", "P. IVA: "},
            {"txtPartitaIva", "P. IVA: 12345678903"},
            {"txtCodFiscCli", "C.F. 80012345678"},
            {"txtTelUff", "Tel.  06 5551234"},
            {"txtTelCli", "Tel.  06 9401234"},
            {"txtTelCel", "PEC:  splendor@pec.it"},
            {"txtFax", "Rappresentante legale:  Mario Rossi"},
            {"txtImpCanone", "€ 1250,00"},
            {"txtNumContratto", "107"},
            {"txtOpInc02", ""},
        };
        for (const auto &[object, text] : expected)
            QCOMPARE(engine.findObject(QLatin1String(object))->text(), text);
        QCOMPARE(engine.findObject(QStringLiteral("txtImpCanone"))->alignment & Qt::AlignRight,
                 Qt::AlignRight);
        QVERIFY(!engine.findObject(QStringLiteral("txtMarca"))->wordWrap);
    }

    // Printed through the print screen into a PDF: two A4 pages, the client's
    // and the company's data on the first, the seventeen articles on the second.
    void printedContractReadBack() {
        TempProgramFolder folder;
        ScriptedPrinter printer;
        printer.outputFile = folder.file(QStringLiteral("contratto.pdf"));
        ScriptedMessages messages;
        TfrmStampaCon screen(nullptr, contract());
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Stampa documento"));
        QCOMPARE(screen.btnStampa->text(), QStringLiteral("Stampa"));
        whenModal([](QWidget *w) {
            if (auto *s = qobject_cast<TfrmStampaCon *>(w))
                s->btnStampa->click();
            else
                w->close();
        });
        QCOMPARE(screen.exec(), int(QDialog::Accepted));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(printer.calls, 1);
        QCOMPARE(printer.pageLayout.orientation(), QPageLayout::Portrait);

        const PdfText pdf(printer.outputFile);
        QCOMPARE(pdf.pageCount(), 2);
        QCOMPARE(pdf.pageSize(0), QSizeF(595, 842));
        QCOMPARE(pdf.pageSize(1), QSizeF(595, 842));
        const QString one = pdf.pageText(0);
        for (const QString &text :
             {"CONTRATTO DI SERVIZIO DI PULIZIA", "Splendor Pulizie Srl", "P. IVA: 12345678903",
              "Mario Rossi", "splendor@pec.it", "Condominio Aurora", "Frascati", "Viale Europa 8",
              "C.F. 80012345678", "Polizza RC n. 998877", "Pulizia scale e androni", "Pulizia vetri esterni",
              "€ 1250,00", "FIRMA DEL RAPPRESENTANTE DELL'IMPRESA", "Pagina 1 di 2", "107", "15/03/2024"})
            QVERIFY2(one.contains(text), qPrintable(text));
        const QString two = pdf.pageText(1);
        QVERIFY(two.contains(QStringLiteral("CLAUSOLE CONTRATTUALI")));
        const QStringList titles = ContractPrint::articleTitles();
        QCOMPARE(titles.size(), 17);
        for (int n = 0; n < 17; ++n) {
            QVERIFY2(titles[n].startsWith(QStringLiteral("Art. %1 - ").arg(n + 1)), qPrintable(titles[n]));
            QVERIFY2(two.contains(titles[n]), qPrintable(titles[n]));
        }
        QVERIFY(two.contains(QStringLiteral("FIRMA DEL CLIENTE")));
        QVERIFY(two.contains(QStringLiteral("Pagina 2 di 2")));
        QVERIFY(!two.contains(QStringLiteral("Condominio Aurora")));
    }

    // A 600x400 logo fills the height of its 79x39 mm box, centred; the box's
    // sides stay white.
    void logoIsFittedIntoItsBox() {
        TempProgramFolder folder;
        QVERIFY(
            solid(QSize(600, 400), QColor(200, 30, 30)).save(folder.file(QStringLiteral("Logo.bmp")), "BMP"));
        const QImage logo = ContractLogo::current();
        QCOMPARE(logo.size(), QSize(600, 400));
        ReportEngine engine;
        QVERIFY(ContractPrint::fill(engine, contract(), logo));
        QVERIFY(engine.prepare());
        QCOMPARE(engine.pageCount(), 2);
        const QImage box = logoArea(engine.pageImage(0));
        const QColor red(200, 30, 30);
        QVERIFY(near(box.pixelColor(box.width() / 2, box.height() / 2), red));
        QVERIFY(near(box.pixelColor(box.width() / 2, 3), red)); // full height
        QVERIFY(near(box.pixelColor(box.width() / 2, box.height() - 4), red));
        QVERIFY(near(box.pixelColor(5, box.height() / 2), Qt::white)); // centred: white at the sides
        QVERIFY(near(box.pixelColor(box.width() - 6, box.height() / 2), Qt::white));
        // Width 1.5 times the height: red from about 13% to 87% of the box width.
        QVERIFY(near(box.pixelColor(int(box.width() * 0.16), box.height() / 2), red));
        QVERIFY(near(box.pixelColor(int(box.width() * 0.10), box.height() / 2), Qt::white));
    }

    void missingOrBlankLogo_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("euro");
        QTest::newRow("no Logo.bmp: the euro sign") << QByteArray() << true;
        QTest::newRow("unreadable Logo.bmp: the euro sign") << QByteArray("garbage") << true;
        QTest::newRow("blank logo: nothing visible") << QByteArray("blank") << false;
    }
    void missingOrBlankLogo() {
        QFETCH(QByteArray, file);
        QFETCH(bool, euro);
        TempProgramFolder folder;
        if (file == "blank")
            QVERIFY(ContractLogo::save(ContractLogo::blankLogo()));
        else if (!file.isEmpty())
            folder.write(QStringLiteral("Logo.bmp"), file);
        ReportEngine engine;
        QVERIFY(ContractPrint::fill(engine, contract(), ContractLogo::current()));
        QVERIFY(engine.prepare());
        const QImage box = logoArea(engine.pageImage(0));
        int blue = 0, other = 0;
        for (int y = 0; y < box.height(); ++y)
            for (int x = 0; x < box.width(); ++x) {
                const QColor c = box.pixelColor(x, y);
                if (c.blue() > 140 && c.red() < 110)
                    ++blue;
                else if (c != QColor(Qt::white))
                    ++other;
            }
        QCOMPARE(blue > 500, euro);
        if (!euro)
            QCOMPARE(blue + other, 0);
    }

    void printFailureIsReported() {
        TempProgramFolder folder;
        ScriptedPrinter printer;
        printer.outputFile = folder.file(QStringLiteral("no/such/folder/contratto.pdf"));
        ScriptedMessages messages;
        TfrmStampaCon screen(nullptr, contract());
        whenModal([](QWidget *w) {
            if (auto *s = qobject_cast<TfrmStampaCon *>(w))
                s->btnStampa->click();
            else
                w->close();
        });
        QCOMPARE(screen.exec(), int(QDialog::Accepted)); // closed either way
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.last().kind, MessageKind::Warning);
        QCOMPARE(
            messages.shown.last().text,
            QStringLiteral("Attenzione: la stampa del contratto non è andata a buon fine.\n\r\n\rControllare "
                           "che la stampante sia accesa e configurata correttamente."));
    }

    void cancelPrintsNothing() {
        ScriptedPrinter printer;
        ScriptedMessages messages;
        TfrmStampaCon screen(nullptr, contract());
        whenModal([](QWidget *w) {
            if (auto *s = qobject_cast<TfrmStampaCon *>(w))
                s->btnAnnulla->click();
            else
                w->close();
        });
        QCOMPARE(screen.exec(), int(QDialog::Rejected));
        QCOMPARE(printer.calls, 0);
        QVERIFY(messages.shown.isEmpty());
    }

    void previewShowsTwoPages() {
        TempProgramFolder folder;
        ScriptedMessages messages;
        TfrmAnteprimaCon screen(nullptr, contract());
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QCOMPARE(screen.btnStampa->text(), QStringLiteral("Mostra anteprima"));
        int pages = 0;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmAnteprimaCon *>(w);
            if (!s) {
                w->close();
                return;
            }
            whenPreview([&](ReportPreview *preview) {
                pages = preview->view->pageCount();
                preview->actChiudi->trigger();
            });
            QTimer::singleShot(0, s->btnStampa, &QAbstractButton::click);
        });
        QCOMPARE(screen.exec(), int(QDialog::Accepted));
        QCOMPARE(pages, 2);
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_MAIN(TstStampaCon)
#include "tst_stampacon.moc"
