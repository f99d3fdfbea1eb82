// Printing and previewing the appointment card ("Scheda Appuntamento").
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "appointments/card/AppointmentPrint.h"
#include "appointments/card/StampaScadenza.h"
#include "appointments/card/Startup.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreview.h"
#include "reports/ReportUnits.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

constexpr double mm = ReportUnits::fromMm(1);

Record appointment() {
    Record r(Archives::appointments());
    r.set("Data", QStringLiteral("12/03/2024"));
    r.set("Ore", QStringLiteral("09"));
    r.set("Minuti", QStringLiteral("30"));
    r.set("Ora", QStringLiteral("09:30"));
    r.set("Avviso", QStringLiteral("3"));
    r.set("Tipologia", QStringLiteral("Squadra Nord"));
    r.set("Causale", QStringLiteral("Pulizia uffici e vetri"));
    r.set("Dettagli", QStringLiteral("Portare la scala"));
    r.set("Contatto", QStringLiteral("Rossi Mario"));
    r.set("Tel", QStringLiteral("06 1234567"));
    r.set("Cel", QStringLiteral("3331234567"));
    r.set("Email", QStringLiteral("mario.rossi@example.it"));
    r.set("Luogo", QStringLiteral("Bonifico bancario"));
    r.set("Importo", QStringLiteral("150,00"));
    r.set("Note", QStringLiteral("Citofonare due volte"));
    r.set("Ottemperata", QStringLiteral("No"));
    return r;
}

const QStringList labels = {
    "Data appuntamento:", "Ora:",       "Operatore:", "Servizi richiesti:",     "Dettagli:", "Cliente:",
    "Telefono:",          "Cellulare:", "E-mail:",    "Modalità di pagamento:", "Importo:",  "Note:",
    "Impegno assolto:"};

// The printed card read back: the text in an object's box.
struct PrintedCard {
    explicit PrintedCard(const Record &r, const QString &file) : pdf((write(r, file), file)) {}
    static void write(const Record &r, const QString &file) {
        ReportEngine engine;
        QVERIFY(AppointmentPrint::fill(engine, r));
        QVERIFY(engine.prepare());
        QVERIFY(engine.exportPdf(file, PdfSettings()));
        boxes.clear();
        for (const ReportObject &o : engine.report().pages.first().objects)
            boxes.insert(o.name, PdfText::points(o.rect.translated(10 * mm, 10 * mm)));
    }
    QString in(const QString &object) const { return pdf.textIn(0, boxes.value(object)); }
    PdfText pdf;
    static inline QHash<QString, QRectF> boxes;
};

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

} // namespace

class TestStampaScadenza : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(18, 4, 59))); }
    void cleanup() { Clock::setFixed(QDateTime()); }
    void cardValuesInTheirBoxes();
    void fulfilledLine_data();
    void fulfilledLine();
    void emptyCardPrintsAnEmptyForm();
    void printScreen();
    void printScreenCancelled();
    void previewScreen();
};

void TestStampaScadenza::initTestCase() {
    if (!PdfText::toolsAvailable())
        QSKIP("poppler-utils are needed to read the printed card");
}

void TestStampaScadenza::cardValuesInTheirBoxes() {
    TempProgramFolder folder;
    const PrintedCard card(appointment(), folder.file(QStringLiteral("scheda.pdf")));
    QCOMPARE(card.pdf.pageCount(), 1);
    QCOMPARE(card.pdf.pageSize(0), QSizeF(595, 842)); // A4 portrait
    const QList<QPair<QString, QString>> expected = {
        {"titArcataSup", "SCHEDA APPUNTAMENTO"},
        {"txtData", "12/03/2024"},
        {"txtOra", "09:30"},
        {"txtTipologia", "Squadra Nord"},
        {"txtCausale", "Pulizia uffici e vetri"},
        {"txtDettagli", "Portare la scala"},
        {"txtContatto", "Rossi Mario"},
        {"txtTel", "06 1234567"},
        {"txtCel", "3331234567"},
        {"txtEmail", "mario.rossi@example.it"},
        {"txtLuogo", "Bonifico bancario"},
        {"txtImporto", "150,00"},
        {"txtNote", "Citofonare due volte"},
        {"txtOttemperata", "No"},
        {"txtCalce", "Stampa eseguita in data 05/03/2024 alle ore 18:04:59"},
    };
    for (const auto &[object, text] : expected)
        QCOMPARE(card.in(object), text);
    // Each value has its printed label beside it, on the same row.
    const QStringList values = {"txtData",     "txtOra",  "txtTipologia",  "txtCausale", "txtDettagli",
                                "txtContatto", "txtTel",  "txtCel",        "txtEmail",   "txtLuogo",
                                "txtImporto",  "txtNote", "txtOttemperata"};
    for (int i = 0; i < values.size(); ++i) {
        const QRectF value = PrintedCard::boxes.value(values[i]);
        const QRectF label(0, value.top(), value.left(), 8 * 72 / 25.4);
        QCOMPARE(card.pdf.textIn(0, label), labels[i]);
    }
}

void TestStampaScadenza::fulfilledLine_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("printed");
    QTest::newRow("ticked") << "Sì"
                            << "Sì";
    QTest::newRow("not ticked") << "No"
                                << "No";
    QTest::newRow("nothing stored") << ""
                                    << "No";
}

void TestStampaScadenza::fulfilledLine() {
    QFETCH(QString, stored);
    QFETCH(QString, printed);
    TempProgramFolder folder;
    Record r = appointment();
    r.set("Ottemperata", stored);
    const PrintedCard card(r, folder.file(QStringLiteral("scheda.pdf")));
    QCOMPARE(card.in(QStringLiteral("txtOttemperata")), printed);
    const QRectF row = PrintedCard::boxes.value(QStringLiteral("txtOttemperata"));
    QCOMPARE(card.pdf.textIn(0, QRectF(0, row.top(), 595, row.height())),
             QStringLiteral("Impegno assolto: ") + printed);
}

void TestStampaScadenza::emptyCardPrintsAnEmptyForm() {
    TempProgramFolder folder;
    const PrintedCard card(Record(Archives::appointments()), folder.file(QStringLiteral("vuota.pdf")));
    QCOMPARE(card.pdf.pageCount(), 1);
    for (const QString &object : {"txtData", "txtTipologia", "txtCausale", "txtDettagli", "txtContatto",
                                  "txtTel", "txtCel", "txtEmail", "txtLuogo", "txtImporto", "txtNote"})
        QCOMPARE(card.in(object), QString());
    QCOMPARE(card.in(QStringLiteral("txtOra")), QStringLiteral(":"));
    QCOMPARE(card.in(QStringLiteral("txtOttemperata")), QStringLiteral("No"));
    QCOMPARE(card.in(QStringLiteral("txtCalce")),
             QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 18:04:59"));
    const QString page = card.pdf.pageText(0);
    for (const QString &label : labels)
        QVERIFY2(page.contains(label), qPrintable(label));
}

void TestStampaScadenza::printScreen() {
    TempProgramFolder folder;
    ScriptedPrinter printer;
    printer.outputFile = folder.file(QStringLiteral("stampata.pdf"));
    Record r = appointment();
    r.set("Contatto", QStringLiteral("Bianchi Anna")); // edited on the card, not saved
    TfrmStampaScadenza screen(nullptr, r);
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Stampa documento"));
    QCOMPARE(screen.btnStampa->text(), QStringLiteral("Stampa"));
    QCOMPARE(screen.btnAnnulla->text(), QStringLiteral("Annulla"));
    whenModal([](QWidget *w) {
        if (auto *s = qobject_cast<TfrmStampaScadenza *>(w))
            s->btnStampa->click();
        else
            w->close();
    });
    QCOMPARE(screen.exec(), int(QDialog::Accepted)); // closed after printing
    QCOMPARE(printer.calls, 1);
    QCOMPARE(printer.pageLayout.orientation(), QPageLayout::Portrait);
    const PdfText pdf(printer.outputFile);
    QCOMPARE(pdf.pageCount(), 1);
    QVERIFY(pdf.pageText(0).contains(QStringLiteral("Bianchi Anna")));
}

void TestStampaScadenza::printScreenCancelled() {
    ScriptedPrinter printer;
    TfrmStampaScadenza screen(nullptr, appointment());
    whenModal([](QWidget *w) {
        if (auto *s = qobject_cast<TfrmStampaScadenza *>(w))
            s->btnAnnulla->click();
        else
            w->close();
    });
    QCOMPARE(screen.exec(), int(QDialog::Rejected));
    QCOMPARE(printer.calls, 0);
}

void TestStampaScadenza::previewScreen() {
    TfrmStartup screen(nullptr, appointment());
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Anteprima di stampa"));
    QCOMPARE(screen.btnStampa->text(), QStringLiteral("Mostra anteprima"));
    QCOMPARE(screen.btnAnnulla->text(), QStringLiteral("Annulla"));
    int previewPages = 0;
    QString previewTitle;
    whenModal([&](QWidget *w) {
        auto *s = qobject_cast<TfrmStartup *>(w);
        if (!s) {
            w->close();
            return;
        }
        whenPreview([&](ReportPreview *preview) {
            previewPages = preview->view->pageCount();
            previewTitle = preview->windowTitle();
            preview->actChiudi->trigger();
        });
        QTimer::singleShot(0, s->btnStampa, &QAbstractButton::click);
    });
    QCOMPARE(screen.exec(), int(QDialog::Accepted)); // closed after the preview
    QCOMPARE(previewPages, 1);
    QVERIFY(previewTitle.contains(QStringLiteral("Scheda Appuntamento")));
}

QTEST_MAIN(TestStampaScadenza)
#include "tst_stampascadenza.moc"
