// The three appointment status summaries, opened from the card.
#include "AppointmentFixture.h"
#include "ScriptedPrinter.h"
#include "PdfText.h"
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/summaries/Assolti.h"
#include "appointments/summaries/Confermati.h"
#include "appointments/summaries/Scaduti.h"
#include "core/platform/Clock.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"
#include "shell/Application.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");
// Today is 15/03/2024.
const QList<Appointment> kArchive = {
    {"14/03/2024", "09:00", "Ieri non assolto", "Rossi", "3331", "1,00", "No"},
    {"15/03/2024", "09:00", "Oggi non assolto", "Bianchi", "3332", "2,00", "No"},
    {"10/05/2023", "09:00", "Anno scorso assolto", "Verdi", "3333", "3,00", "Sì"},
    {"31/02/2024", "09:00", "Data impossibile", "Neri", "3334", "4,00", "No"},
    {"01/03/2024", "09:00", "Mese scorso non assolto", "ROSSI", "3335", "5,00", "No"},
    {"01/03/2024", "09:00", "Segno strano", "Gialli", "3336", "6,00", "X"},
};
} // namespace

class TstSummaries : public QObject {
    Q_OBJECT
    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    TfrmArchivio_Scadenze *card = nullptr;

    template <typename Screen>
    QStringList open(QToolButton *command, const std::function<void(Screen *)> &steps = {}) {
        QStringList services;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<Screen *>(w);
            QVERIFY(s);
            for (const QString &line : s->list->lstRecords->listModel()->lines())
                services << line.mid(30, 42).trimmed();
            if (steps)
                steps(s);
            if (s->isVisible())
                s->close();
        });
        command->click();
        return services;
    }

private slots:
    void init() {
        folder = new TempProgramFolder;
        folder->write(kFile, appointmentArchive(kArchive));
        messages = new ScriptedMessages;
        Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(10, 0)));
        card = Tersalia::createScreens().scadenze;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        Clock::setFixed({});
        delete messages;
        delete folder;
    }

    void selections() {
        QCOMPARE(open<TfrmConfermati>(card->cmdDaAssolvere),
                 (QStringList{"Ieri non assolto", "Oggi non assolto", "Data impossibile",
                              "Mese scorso non assolto"}));
        // Today is not overdue; an unreadable date is skipped, later records still listed.
        QCOMPARE(open<TfrmScaduti>(card->cmdScaduti),
                 (QStringList{"Ieri non assolto", "Mese scorso non assolto"}));
        QCOMPARE(open<TfrmAssolti>(card->cmdAssolti), (QStringList{"Anno scorso assolto"}));
    }

    void captionsAndTheLine() {
        open<TfrmScaduti>(card->cmdScaduti, [](TfrmScaduti *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Riepilogo impegni scaduti e non assolti"));
            QCOMPARE(s->list->lstRecords->listModel()->line(0),
                     QStringLiteral("Data: 14/03/2024  Ora: 09:00  Ieri non assolto") +
                         QString(26, QLatin1Char(' ')) + QStringLiteral("  Cliente: Rossi") +
                         QString(25, QLatin1Char(' ')) + QStringLiteral("  Cel. 3331") +
                         QString(10, QLatin1Char(' ')) + QStringLiteral("  Importo: € 1,00"));
        });
    }

    void quickFindFindsCapitalsAndWraps() {
        open<TfrmConfermati>(card->cmdDaAssolvere, [](TfrmConfermati *s) {
            QTest::keyClicks(s->list->txtTrova, QStringLiteral("rossi"));
            QTest::keyClick(s->list->txtTrova, Qt::Key_Return);
            QCOMPARE(s->focusWidget(), s->list->btnTrova);
            s->list->btnTrova->click();
            QCOMPARE(s->list->lstRecords->currentRow(), 0);
            s->list->btnTrova->click();
            QCOMPARE(s->list->lstRecords->currentRow(), 3); // ROSSI
            s->list->btnTrova->click();
            QCOMPARE(s->list->lstRecords->currentRow(), 0);
        });
    }

    // A keyboard user: Enter in txtTrova reaches Trova, each Enter there finds.
    void quickFindWithTheKeyboardOnly() {
        open<TfrmConfermati>(card->cmdDaAssolvere, [](TfrmConfermati *s) {
            QTest::keyClicks(s->list->txtTrova, QStringLiteral("rossi"));
            QTest::keyClick(s->list->txtTrova, Qt::Key_Return);
            QCOMPARE(s->focusWidget(), s->list->btnTrova);
            QVERIFY(s->isVisible());
            QTest::keyClick(s->list->btnTrova, Qt::Key_Return);
            QCOMPARE(s->list->lstRecords->currentRow(), 0);
            QTest::keyClick(s->list->btnTrova, Qt::Key_Enter);
            QCOMPARE(s->list->lstRecords->currentRow(), 3); // ROSSI
            QVERIFY(s->isVisible());                        // Enter never closes the screen
        });
    }

    // An archive on a read-only share or copy is listed all the same.
    void readOnlyArchiveIsListed() {
        ReadOnlyPath readOnly(folder->path());
        if (!readOnly.ok())
            QSKIP("the program folder cannot be made read-only here");
        QCOMPARE(open<TfrmScaduti>(card->cmdScaduti),
                 (QStringList{"Ieri non assolto", "Mese scorso non assolto"}));
        QCOMPARE(open<TfrmAssolti>(card->cmdAssolti), (QStringList{"Anno scorso assolto"}));
    }

    void emptyListQuickFindMessage() {
        folder->write(kFile, QByteArray());
        open<TfrmAssolti>(card->cmdAssolti, [this](TfrmAssolti *s) {
            s->list->btnTrova->click();
            QCOMPARE(messages->lastText(),
                     QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        });
    }

    void doubleClickThenFulfilledAndSaveUpdatesThatRecord() {
        open<TfrmScaduti>(card->cmdScaduti, [](TfrmScaduti *s) { s->loadLine(1); });
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("5"));
        QCOMPARE(card->findChild<QLineEdit *>(QStringLiteral("txtCausale"))->text(),
                 QStringLiteral("Mese scorso non assolto"));
        const QByteArray before = folder->read(kFile);
        card->findChild<QCheckBox *>(QStringLiteral("chkOttemperata"))->setChecked(true);
        card->cmdSalva->click();
        QCOMPARE(messages->shown.last().kind, MessageKind::Information);
        const QByteArray after = folder->read(kFile);
        Record fifth(Archives::appointments());
        fifth.bytes() = after.mid(4 * 1265, 1265);
        QCOMPARE(fifth.get("Ottemperata"), QStringLiteral("Sì"));
        QCOMPARE(after.left(4 * 1265), before.left(4 * 1265));
        QCOMPARE(after.mid(5 * 1265), before.mid(5 * 1265));
        // It has left the overdue list.
        QCOMPARE(open<TfrmScaduti>(card->cmdScaduti), (QStringList{"Ieri non assolto"}));
    }

    void printsTheListWithItsTitle() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils (pdftotext) is not installed");
        ScriptedPrinter printer;
        printer.outputFile = folder->file(QStringLiteral("stampa.pdf"));
        open<TfrmScaduti>(card->cmdScaduti, [](TfrmScaduti *s) { s->list->btnStampa->click(); });
        QCOMPARE(printer.calls, 1);
        const QString text = PdfText(printer.outputFile).allText();
        QVERIFY(text.contains(QStringLiteral("Riepilogo impegni scaduti e non assolti")));
        QVERIFY(text.contains(QStringLiteral("Ieri non assolto")));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 15/03/2024 alle ore 10:00:00")));
    }
};

QTEST_MAIN(TstSummaries)
#include "tst_summaries.moc"
