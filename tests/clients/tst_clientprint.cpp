// The client card's print, preview and PDF: the card as it is on screen
// (unsaved values included), the "Contatto.pdf" file with its document
// information, the question to open it and a failure shown with its own text.
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "clients/ClientPrint.h"
#include "clients/Clienti.h"
#include "core/records/Archives.h"
#include "ui/card/CardScreen.h"
#include "core/platform/Clock.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreview.h"
#include "reports/ReportUnits.h"
#include "shell/Application.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {
constexpr double mm = ReportUnits::fromMm(1);
}

class TstClientPrint : public QObject {
    Q_OBJECT
    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    RecordingShell *shell = nullptr;
    TfrmClienti *card = nullptr;

    void fillCard() {
        card->txtCliente->setText(QStringLiteral("Rossi Mario"));
        card->txtComuneNasc->setText(QStringLiteral("Forlì"));
        card->txtProvNasc->setEditText(QStringLiteral("FC"));
        card->txtComuneRes->setText(QStringLiteral("Cesena"));
        card->txtCarta->setText(QStringLiteral("4111111111111111"));
        card->txtScadeCarta->setText(QStringLiteral("12/27"));
        card->txtZona->setText(QStringLiteral("Centro storico"));
        card->txtCivile->setText(QStringLiteral("Celibe"));
        card->txtNote->setText(QStringLiteral("Scritta e non salvata"));
    }

private slots:
    void initTestCase() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are needed to read the client card");
    }
    void init() {
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(18, 4, 59)));
        folder = new TempProgramFolder;
        messages = new ScriptedMessages;
        shell = new RecordingShell;
        card = Tersalia::createScreens().clienti;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete shell;
        delete messages;
        delete folder;
        Clock::setFixed(QDateTime());
    }

    void pdfOfTheCardOnScreen() {
        fillCard();
        card->cmdPDF->click();
        const QString file = folder->file(QStringLiteral("Contatto.pdf"));
        QCOMPARE(messages->shown.size(), 1);
        QCOMPARE(messages->shown[0].kind, MessageKind::Confirmation);
        QCOMPARE(messages->shown[0].text, QStringLiteral("L'esportazione della scheda in PDF è terminata con "
                                                         "successo.\r\n\r\nSi vuole aprire il file?"));
        QCOMPARE(shell->commands, QStringList{QLatin1Char('"') + file + QLatin1Char('"')});
        const QMap<QString, QString> info = PdfText::info(file);
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Scheda informativa"));
        QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("Scheda informativa"));
        QCOMPARE(info.value(QStringLiteral("Author")), QStringLiteral("Tersalia"));
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
        const PdfText pdf(file);
        QCOMPARE(pdf.pageSize(0), QSizeF(595, 842));

        ReportEngine engine;
        Record shown(Archives::clients());
        card->card()->collect(shown);
        QVERIFY(ClientPrint::fill(engine, shown, ClientPrint::Output::Pdf));
        const auto in = [&](const char *object) {
            return pdf.textIn(
                0, PdfText::points(
                       engine.report().findObject(QLatin1String(object))->rect.translated(10 * mm, 10 * mm)));
        };
        QCOMPARE(in("txtTitolo"), QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"));
        QCOMPARE(in("txtCampo01"), QStringLiteral("Rossi Mario"));
        QCOMPARE(in("txtCampo03"), QStringLiteral("Forlì FC"));
        QCOMPARE(in("txtCampo07"), QStringLiteral("Cesena"));
        QCOMPARE(in("txtCampo16"), QStringLiteral("N. 4111111111111111 - Scadenza: 12/27"));
        QCOMPARE(in("titCampo22"), QStringLiteral("Zona di appartenenza:"));
        QCOMPARE(in("txtCampo22"), QStringLiteral("Centro storico"));
        QCOMPARE(in("txtCampo24"), QStringLiteral("Scritta e non salvata"));
        QCOMPARE(in("txtCalce"), QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 18:04:59"));
        QVERIFY(!pdf.allText().contains(QStringLiteral("Celibe")));
    }

    void answeringNoLeavesTheFileUnopened() {
        card->txtCliente->setText(QStringLiteral("Primo"));
        card->cmdPDF->click();
        card->txtCliente->setText(QStringLiteral("Secondo"));
        messages->answerNext(false);
        card->cmdPDF->click();
        QCOMPARE(shell->commands.size(), 1);
        const QString text = PdfText(folder->file(QStringLiteral("Contatto.pdf"))).allText();
        QVERIFY(text.contains(QStringLiteral("Secondo")));
        QVERIFY(!text.contains(QStringLiteral("Primo")));
    }

    void unwritablePdfShowsItsOwnFailure() {
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("Contatto.pdf")));
        card->cmdPDF->click();
        QCOMPARE(messages->shown.size(), 1);
        QCOMPARE(messages->shown[0].kind, MessageKind::Error);
        QCOMPARE(messages->shown[0].text, ClientPrint::pdfNotWrittenText());
        QVERIFY(!messages->shown[0].text.contains(QStringLiteral("Si vuole aprire")));
        QVERIFY(shell->commands.isEmpty());
        QCOMPARE(card->txtCliente->text(), QString());
    }

    void printOfANewCard() {
        ScriptedPrinter printer;
        printer.outputFile = folder->file(QStringLiteral("stampata.pdf"));
        card->cmdStampa->click();
        QCOMPARE(printer.calls, 1);
        QCOMPARE(printer.pageLayout.orientation(), QPageLayout::Portrait);
        const PdfText pdf(printer.outputFile);
        QCOMPARE(pdf.pageCount(), 1);
        const QString page = pdf.pageText(0);
        for (const char *label :
             {"Cognome e nome:", "Comune di nascita:", "Modalità pagamento:", "Carta di credito:",
              "Prodotti e servizi:", "Zona:", "Note:", "N. - Scadenza:"})
            QVERIFY2(page.contains(QString::fromUtf8(label)), label);
        QVERIFY(!page.contains(QStringLiteral("Zona di appartenenza")));
        QVERIFY(messages->shown.isEmpty());
    }

    void previewShowsTheCard() {
        fillCard();
        int pages = 0;
        whenModal([&](QWidget *w) {
            auto *preview = qobject_cast<ReportPreview *>(w);
            QVERIFY(preview);
            pages = 1;
            preview->close();
        });
        card->cmdAnteprima->click();
        QCOMPARE(pages, 1);
        QVERIFY(messages->shown.isEmpty());
    }
};

QTEST_MAIN(TstClientPrint)
#include "tst_clientprint.moc"
