// The shared list mechanism: result lines, sorting, the quick find and the scan.
#include "TestEnv.h"
#include "appointments/summaries/AppointmentLine.h"
#include "core/records/Archives.h"
#include "ui/lists/QuickFind.h"
#include "ui/lists/RecordListView.h"
#include "core/records/RecordScan.h"
#include "core/records/ResultLine.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

namespace {
LineFormat searchLine() { return AppointmentLine::format(); }
} // namespace

class TstRecordLists : public QObject {
    Q_OBJECT
private slots:
    void linesPadCutAndLeaveTheLastFieldUnpadded() {
        Record r(Archives::appointments());
        r.set("Data", QStringLiteral("05/03/2024"));
        r.set("Ora", QStringLiteral("9:30"));
        r.set("Causale", QString(50, QLatin1Char('x')));
        r.set("Contatto", QStringLiteral("  Rossi "));
        r.set("Importo", QStringLiteral("150,00 "));
        const QString line = searchLine().build(r);
        QCOMPARE(line, QStringLiteral("Data: 05/03/2024  Ora: 9:30   ") + QString(42, QLatin1Char('x')) +
                           QStringLiteral("  Cliente: Rossi") + QString(25, QLatin1Char(' ')) +
                           QStringLiteral("  Cel. ") + QString(14, QLatin1Char(' ')) +
                           QStringLiteral("  Importo: € 150,00"));
        // The literal after a padded field always starts in the same column.
        r.set("Contatto", QString(40, QLatin1Char('y')));
        QCOMPARE(searchLine().build(r).indexOf(QStringLiteral("  Cel. ")),
                 line.indexOf(QStringLiteral("  Cel. ")));
    }

    // A line is written into room taken for the longest line the format can
    // make: a record whose every field is full, with length bytes past the
    // widths, must fit it exactly, whatever pieces the format has.
    void theLongestLineFitsItsRoom() {
        const RecordLayout &layout = Archives::appointments();
        QByteArray full(layout.size(), 'x');
        for (int f = 0; f < layout.fieldCount(); ++f)
            full[layout.offset(f)] = char(0xFF);
        const LineFormat withParts = LineFormat(layout)
                                         .text(QStringLiteral("€ "))
                                         .part("Data", 6, 4)
                                         .part("Note", 2, -1)
                                         .field("Ora", 3)
                                         .field("Causale");
        for (const LineFormat &format : {searchLine(), withParts}) {
            QByteArray line("before");
            format.appendBytes(full.constData(), line);
            QCOMPARE(line.size() - 6, qsizetype(format.maxLength()));
            QVERIFY(line.startsWith("before"));
        }
    }

    void sortingComparesOnlyAZWithoutCase() {
        RecordListModel model;
        model.setLines({QStringLiteral("bianchi"), QStringLiteral("Àlberti"), QStringLiteral("Alberti"),
                        QStringLiteral("ROSSI"), QStringLiteral("alberti")},
                       {1, 2, 3, 4, 5});
        model.sortNoCaseAZ();
        QCOMPARE(model.lines(),
                 (QStringList{QStringLiteral("Alberti"), QStringLiteral("alberti"), QStringLiteral("bianchi"),
                              QStringLiteral("ROSSI"), QStringLiteral("Àlberti")}));
        // Each line keeps its own record number through the sort.
        QCOMPARE(model.recordNumber(0), 3);
        QCOMPARE(model.recordNumber(1), 5);
        QCOMPARE(model.recordNumber(4), 2);
    }

    void quickFindWalk_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<int>("expected");
        // lines: 0 "rossi anna", 1 "bianchi", 2 "rossi luca", 3 "verdi"
        QTest::newRow("new text starts at line 0") << 2 << "rossi"
                                                   << "" << 0;
        QTest::newRow("same text moves on") << 0 << "rossi"
                                            << "rossi" << 2;
        QTest::newRow("same text wraps") << 2 << "rossi"
                                         << "rossi" << 0;
        QTest::newRow("single match stays") << 1 << "bianchi"
                                            << "bianchi" << 1;
        QTest::newRow("capitals find small letters") << 3 << "LUCA"
                                                     << "" << 2;
        QTest::newRow("no match") << 1 << "neri"
                                  << "" << -1;
        QTest::newRow("empty text never finds") << 1 << ""
                                                << "" << -1;
        QTest::newRow("blank counts") << 0 << "hi "
                                      << "" << 1;
    }
    void quickFindWalk() {
        QFETCH(int, selected);
        QFETCH(QString, typed);
        QFETCH(QString, memory);
        QFETCH(int, expected);
        const QStringList lowered = {QStringLiteral("rossi anna"), QStringLiteral("bianchi "),
                                     QStringLiteral("rossi luca"), QStringLiteral("verdi")};
        QCOMPARE(QuickFind::next(lowered, selected, typed, memory), expected);
        QCOMPARE(memory, typed.toLower());
    }

    void quickFindThroughTheWidgets() {
        ScriptedMessages messages;
        QWidget screen;
        auto *txtTrova = new QLineEdit(&screen);
        auto *btnTrova = new QPushButton(QStringLiteral("Trova"), &screen);
        auto *list = new RecordListView(&screen);
        QuickFinder finder(txtTrova, btnTrova, list);

        btnTrova->click();
        QCOMPARE(messages.lastText(),
                 QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        QCOMPARE(messages.shown.last().kind, MessageKind::Plain);

        list->listModel()->setLines(
            {QStringLiteral("Rossi Anna"), QStringLiteral("Verdi"), QStringLiteral("rossi Luca")}, {7, 8, 9});
        QTest::keyClicks(txtTrova, QStringLiteral("ROSSI"));
        btnTrova->click();
        QCOMPARE(list->currentRow(), 0);
        btnTrova->click();
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(list->selectedRecordNumber(), 9);
        btnTrova->click();
        QCOMPARE(list->currentRow(), 0);
        finder.reset();
        list->selectRow(2);
        btnTrova->click(); // a fresh memory starts again from line 0
        QCOMPARE(list->currentRow(), 0);
    }

    // A list line is never cut short with "…": wherever the longest line
    // stands, and after sorting, every line's item holds its whole text and
    // the horizontal scroll reaches the end of the longest.
    void everyLineIsShownWhole_data() {
        QTest::addColumn<int>("longest");
        QTest::addColumn<bool>("sorted");
        QTest::newRow("longest first") << 0 << false;
        QTest::newRow("longest in the middle") << 1 << false;
        QTest::newRow("longest last") << 2 << false;
        QTest::newRow("longest first, sorted to the end") << 0 << true;
    }
    void everyLineIsShownWhole() {
        QFETCH(int, longest);
        QFETCH(bool, sorted);
        const QString service =
            QStringLiteral("Data: 05/03/2024  Servizio: Pulizia uffici          Importo: ");
        QStringList lines = {QStringLiteral("a ") + service + QStringLiteral("€ 5,00"),
                             QStringLiteral("b ") + service + QStringLiteral("€ 7,50"),
                             QStringLiteral("c ") + service + QStringLiteral("€ 9,00")};
        lines[longest] =
            QStringLiteral("z ") + service + QStringLiteral("€ 10,00 e il testo intero della pendenza");
        RecordListView view;
        view.resize(320, 200);
        view.listModel()->setLines(lines, {1, 2, 3});
        if (sorted)
            view.listModel()->sortNoCaseAZ();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        const QFontMetrics metrics(view.font());
        const int margin = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
        int widest = -1;
        for (int row = 0; row < view.listModel()->count(); ++row) {
            const QString line = view.listModel()->line(row);
            QVERIFY2(view.visualRect(view.listModel()->index(row)).width() >=
                         metrics.horizontalAdvance(line) + margin,
                     qPrintable(line));
            if (line.startsWith(QLatin1Char('z')))
                widest = row;
        }
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        QVERIFY(view.visualRect(view.listModel()->index(widest)).right() <= view.viewport()->width());
    }

    void scanVisitsEveryRecordAndRereadsOne() {
        TempProgramFolder folder;
        const RecordLayout &layout = Archives::appointments();
        QByteArray content;
        for (int i = 1; i <= 5000; ++i) {
            Record r(layout);
            r.set("Contatto", QStringLiteral("Cliente %1").arg(i));
            content += r.bytes();
        }
        folder.write(layout.fileName(), content + QByteArray(100, 'x'));
        qint64 last = 0;
        QStringList names;
        QVERIFY(RecordScan::forEach(folder.file(layout.fileName()), layout, [&](const char *rec, qint64 n) {
            last = n;
            if (n % 1000 == 0)
                names << decodeField(layout, rec, layout.indexOf("Contatto"));
            return true;
        }));
        QCOMPARE(last, 5000);
        QCOMPARE(names.last(), QStringLiteral("Cliente 5000"));

        Record one(layout);
        QVERIFY(RecordScan::readRecord(folder.file(layout.fileName()), 4321, one));
        QCOMPARE(one.get("Contatto"), QStringLiteral("Cliente 4321"));
        QVERIFY(!RecordScan::readRecord(folder.file(layout.fileName()), 5001, one));
        QVERIFY(!RecordScan::forEach(folder.file(QStringLiteral("no/such/folder.pro")), layout,
                                     [](const char *, qint64) { return true; }));
    }
};

QTEST_MAIN(TstRecordLists)
#include "tst_recordlists.moc"
