// The export grid pattern shared by every export screen, on a small archive
// of its own: filling (selection, made values, order, "N."), the hint panel,
// the grid's look, and the export with its two questions and its failure.
#include "TestEnv.h"
#include "ui/export/ExportGrid.h"
#include "ui/export/GridModel.h"
#include "core/text/TextRules.h"
#include "core/files/Workbook.h"
#include "ui/windows/Guida.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

const RecordLayout &people() {
    static const RecordLayout layout(QStringLiteral("Persone.pro"),
                                     {{"Nome", 20}, {"Citta", 20}, {"Prov", 2}});
    return layout;
}

QByteArray person(const QString &name, const QString &town, const QString &province) {
    Record r(people());
    r.set("Nome", name);
    r.set("Citta", town);
    r.set("Prov", province);
    return r.bytes();
}

ExportGridSpec setup(bool sorted, std::function<bool(const char *)> selects = {}) {
    ExportGridSpec s;
    s.caption = QStringLiteral(" Esporta persone");
    s.layout = &people();
    s.columns = {{.header = QStringLiteral("Nome"), .gridWidth = 150, .exportWidth = 250, .field = "Nome"},
                 {.header = QStringLiteral("Comune / Provincia"),
                  .gridWidth = 200,
                  .exportWidth = 300,
                  // with no province the cell ends with the blank, which the export trims
                  .made = townAndProvince(people(), "Citta", "Prov"),
                  .exportHeader = QStringLiteral("Comune"),
                  .editable = true}};
    s.selects = std::move(selects);
    s.sortColumn = sorted ? 0 : -1;
    s.fileName = QStringLiteral("Persone.xls");
    s.sheetName = QStringLiteral("Elenco persone");
    s.help = {QStringLiteral("Esportazione persone"), {QStringLiteral("Uno."), QStringLiteral("Due.")}};
    return s;
}

const QList<WorkbookColumn> kColumns = {{QStringLiteral("Nome"), 250}, {QStringLiteral("Comune"), 300}};

QStringList shownRows(const ExportGrid &g) {
    QStringList rows;
    const GridModel *m = g.model();
    for (int r = 0; r < m->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c)
            cells.append(m->data(m->index(r, c), Qt::DisplayRole).toString());
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

} // namespace

class TstExportGrid : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenSeams> seams;

    void writeArchive() {
        seams->folder.write(people().fileName(),
                            person("rossi", "Roma", "RM") + person("Bianchi", "Milano", "") +
                                person("Rossi", "Napoli", "NA") + person("abate", "Pisa", "PI"));
    }

private slots:
    void init() { seams = std::make_unique<ScreenSeams>(); }
    void cleanup() { seams.reset(); }

    void filling_data() {
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("file order") << false << false
                                    << QStringList{"1|rossi|Roma RM", "2|Bianchi|Milano ",
                                                   "3|Rossi|Napoli NA", "4|abate|Pisa PI"};
        // a-z without regard to case; equal names keep their file order.
        QTest::newRow("sorted") << true << false
                                << QStringList{"4|abate|Pisa PI", "2|Bianchi|Milano ", "1|rossi|Roma RM",
                                               "3|Rossi|Napoli NA"};
        // "N." counts the selected records in file order, before sorting.
        QTest::newRow("selected and sorted")
            << true << true << QStringList{"3|abate|Pisa PI", "1|rossi|Roma RM", "2|Rossi|Napoli NA"};
    }
    void filling() {
        QFETCH(bool, sorted);
        QFETCH(bool, selected);
        QFETCH(QStringList, rows);
        writeArchive();
        auto withProvince = [](const char *r) { return !decodeField(people(), r, 2).isEmpty(); };
        ExportGrid grid(nullptr,
                        setup(sorted, selected ? std::function<bool(const char *)>(withProvince) : nullptr));
        QCOMPARE(grid.model()->rows(), 0); // filled when shown
        grid.show();
        QCOMPARE(shownRows(grid), rows);
        // Every showing reads the archive again.
        grid.hide();
        seams->folder.write(people().fileName(), person("Zeta", "Zone", "ZZ"));
        grid.show();
        QCOMPARE(shownRows(grid), QStringList{"1|Zeta|Zone ZZ"});
    }

    void look() {
        ExportGrid grid(nullptr, setup(false));
        QCOMPARE(grid.windowTitle(), QStringLiteral(" Esporta persone"));
        QCOMPARE(grid.grdRecords->objectName(), QStringLiteral("grdRecords"));
        QVERIFY(grid.grdRecords->alternatingRowColors());
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("N."));
        QCOMPARE(grid.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Comune / Provincia"));
        QCOMPARE(grid.grdRecords->columnWidth(0), 60);
        QCOMPARE(grid.grdRecords->columnWidth(2), 200);
        QVERIFY(!grid.grdRecords->verticalHeader()->isVisible());
        QCOMPARE(grid.panInfo->objectName(), QStringLiteral("panInfo"));
        QCOMPARE(grid.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    }

    void hints() {
        ExportGrid grid(nullptr, setup(false));
        grid.show();
        const struct {
            QWidget *w;
            const char *hint;
        } cases[] = {{grid.cmdEsporta, "Esporta l'archivio in formato Microsoft Excel."},
                     {grid.cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
                     {grid.cmdEsci, "Esci da questo ambiente di lavoro."}};
        // Each hint appears on entering its command; moving over the
        // background, the grid or the panel empties the panel.
        for (QWidget *empties : {static_cast<QWidget *>(&grid), grid.grdRecords->viewport(),
                                 static_cast<QWidget *>(grid.panInfo), grid.cmdEsporta->parentWidget()}) {
            for (const auto &c : cases) {
                QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
                QApplication::sendEvent(c.w, &enter);
                QCOMPARE(grid.panInfo->text(), QString::fromUtf8(c.hint));
            }
            QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(empties, &move);
            QCOMPARE(grid.panInfo->text(), QString());
        }
    }

    void exportAndOpen() {
        writeArchive();
        ExportGrid grid(nullptr, setup(true));
        grid.show();
        grid.cmdEsporta->click();
        QCOMPARE(seams->messages.shown.size(), 2);
        QCOMPARE(seams->messages.shown.at(0).kind, MessageKind::Confirmation);
        QCOMPARE(seams->messages.shown.at(0).text,
                 QStringLiteral(
                     "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                     "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"));
        QCOMPARE(seams->messages.shown.at(1).kind, MessageKind::Confirmation);
        QCOMPARE(seams->messages.shown.at(1).text,
                 QStringLiteral(
                     "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il "
                     "file di Excel?"));
        // The grid's rows in its order, "N." left out, the trailing blank trimmed.
        QCOMPARE(
            seams->folder.read(QStringLiteral("Persone.xls")),
            Workbook::document(
                QStringLiteral("Elenco persone"), kColumns,
                {{"abate", "Pisa PI"}, {"Bianchi", "Milano"}, {"rossi", "Roma RM"}, {"Rossi", "Napoli NA"}}));
        QCOMPARE(seams->shell.commands,
                 QStringList{"\"" + seams->folder.file(QStringLiteral("Persone.xls")) + "\""});
    }

    void answers_data() {
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("opened");
        QTest::newRow("No, then nothing") << false << true << false << false;
        QTest::newRow("Yes, No: written, not opened") << true << false << true << false;
        QTest::newRow("Yes, Yes: written and opened") << true << true << true << true;
    }
    void answers() {
        QFETCH(bool, first);
        QFETCH(bool, second);
        QFETCH(bool, written);
        QFETCH(bool, opened);
        writeArchive();
        const QByteArray old = "a previous export";
        seams->folder.write(QStringLiteral("Persone.xls"), old);
        ExportGrid grid(nullptr, setup(false));
        grid.show();
        seams->messages.answerNext(first);
        seams->messages.answerNext(second);
        grid.cmdEsporta->click();
        QCOMPARE(seams->messages.shown.size(), first ? 2 : 1);
        const QByteArray file = seams->folder.read(QStringLiteral("Persone.xls"));
        QCOMPARE(file != old, written);
        if (written) // replaced completely
            QVERIFY(file.startsWith("<html") && file.endsWith("</html>"));
        QCOMPARE(seams->shell.commands.size(), opened ? 1 : 0);
    }

    // Tests run as root, which writes through any permission: a folder with
    // the export's name is what cannot be written.
    void unwritableFileGivesThePlainMessage() {
        writeArchive();
        QVERIFY(QDir(seams->folder.path()).mkdir(QStringLiteral("Persone.xls")));
        ExportGrid grid(nullptr, setup(false));
        grid.show();
        grid.cmdEsporta->click();
        QCOMPARE(seams->messages.shown.size(), 2);
        QCOMPARE(seams->messages.shown.at(1).kind, MessageKind::Plain);
        QCOMPARE(seams->messages.shown.at(1).text,
                 QStringLiteral(
                     "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                     "file di Excel non sia già aperto."));
        QVERIFY(seams->shell.commands.isEmpty());
    }

    void emptyGridExportsTheHeaderRowOnly() {
        ExportGrid grid(nullptr, setup(true));
        grid.show();
        QCOMPARE(grid.model()->rows(), 0);
        grid.cmdEsporta->click();
        QCOMPARE(seams->folder.read(QStringLiteral("Persone.xls")),
                 Workbook::document(QStringLiteral("Elenco persone"), kColumns, {}));
        QVERIFY(seams->folder.read(QStringLiteral("Persone.xls"))
                    .endsWith("width=300>Comune</td></tr></table></body></html>"));
    }

    // A cell of an editable column changed in the grid is what the file gets;
    // a column that is not editable refuses the change.
    void editedCellsAreExported() {
        writeArchive();
        ExportGrid grid(nullptr, setup(true));
        grid.show();
        GridModel *m = grid.model();
        QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(!m->setData(m->index(0, 1), QStringLiteral("Altro"), Qt::EditRole));
        QVERIFY(m->setData(m->index(2, 2), QStringLiteral("Frascati RM "), Qt::EditRole));
        QCOMPARE(m->data(m->index(2, 2), Qt::DisplayRole).toString(), QStringLiteral("Frascati RM "));
        grid.cmdEsporta->click();
        QCOMPARE(seams->folder.read(QStringLiteral("Persone.xls")),
                 Workbook::document(QStringLiteral("Elenco persone"), kColumns,
                                    {{"abate", "Pisa PI"},
                                     {"Bianchi", "Milano"},
                                     {"rossi", "Frascati RM"},
                                     {"Rossi", "Napoli NA"}}));
    }

    void helpAndExit() {
        ExportGrid grid(nullptr, setup(false));
        grid.show();
        QString title, text;
        whenModal([&](QWidget *w) {
            auto *guida = qobject_cast<TfrmGuida *>(w);
            QVERIFY(guida);
            title = guida->lblTitolo->text();
            text = guida->txtGuida->toPlainText();
            guida->close();
        });
        grid.cmdGuida->click();
        QCOMPARE(title, QStringLiteral("Esportazione persone"));
        QCOMPARE(text, QStringLiteral("Uno.\n\nDue."));
        grid.cmdEsci->click();
        QVERIFY(!grid.isVisible());
    }
};

QTEST_MAIN(TstExportGrid)
#include "tst_exportgrid.moc"
