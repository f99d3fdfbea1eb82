// The appointment grids: the agenda's imminent, day and month grids and the
// whole archive's export, with their selections, order, numbering and files.
#include "AppointmentFixture.h"
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/exports/ExpGiornaliere.h"
#include "appointments/exports/ExpImminenti.h"
#include "appointments/exports/ExpMensili.h"
#include "appointments/exports/ExpScadenzario.h"
#include "core/platform/Clock.h"
#include "ui/export/GridModel.h"
#include "ui/windows/Guida.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");
const QString kNo = QStringLiteral("No");
const QString kYes = QStringLiteral("S\u00ec");
const QDate kToday(2024, 3, 15);

enum class Grid { Imminent, Day, Month, Archive };

std::unique_ptr<ExportGrid> makeGrid(Grid g, const QDate &day) {
    switch (g) {
    case Grid::Imminent:
        return std::make_unique<TfrmExpImminenti>();
    case Grid::Day:
        return std::make_unique<TfrmExpGiornaliere>(day);
    case Grid::Month:
        return std::make_unique<TfrmExpMensili>(day);
    case Grid::Archive:
        return std::make_unique<TfrmExpScadenzario>();
    }
    return nullptr;
}

// "N. client" for every row, in grid order.
QStringList rowsOf(const ExportGrid &grid) {
    QStringList rows;
    for (int r = 0; r < grid.model()->rows(); ++r)
        rows.append(QString::number(grid.model()->number(r)) + QLatin1Char(' ') +
                    grid.model()->cell(r, 5));
    return rows;
}

const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>";
const QByteArray kOptions =
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</"
    "x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></"
    "x:ExcelWorksheets>"
    "</x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";
const QByteArray kHeaders =
    "<tr><td style=\"text-align: left; font-weight: bold;\" width=180>Data appuntamento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Ora</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>Operatore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Servizi richiesti</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Dettagli</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Cliente</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Telefono</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Cellulare</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>E-mail</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Modalit\xe0 di pagamento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Importo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Impegno assolto</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Note</td>";
const QByteArray kCodeHeader =
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Codice univoco</td>";

QByteArray cells(std::initializer_list<const char *> values) {
    QByteArray row = "<tr>";
    for (const char *v : values)
        row += QByteArray("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">") + v + "</td>";
    return row + "</tr>";
}

} // namespace

class TstAppointmentGrids : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenSeams> seams;

private slots:
    void init() {
        Clock::setFixed(QDateTime(kToday, QTime(10, 0)));
        seams = std::make_unique<ScreenSeams>();
    }
    void cleanup() {
        seams.reset();
        Clock::setFixed(QDateTime());
    }

    void names_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("help");
        QTest::addColumn<int>("columns");
        QTest::newRow("imminent") << int(Grid::Imminent) << " Appuntamenti imminenti"
                                  << "Appuntamenti_Imminenti.xls"
                                  << "Appuntamenti imminenti"
                                  << "Visualizzazione appuntamenti" << 15;
        QTest::newRow("day") << int(Grid::Day) << " Appuntamenti del giorno"
                             << "Appuntamenti_Giornalieri.xls"
                             << "Appuntamenti del giorno"
                             << "Visualizzazione appuntamenti" << 15;
        QTest::newRow("month") << int(Grid::Month) << " Appuntamenti del mese"
                               << "Appuntamenti_Mensili.xls"
                               << "Appuntamenti del mese"
                               << "Visualizzazione appuntamenti" << 15;
        QTest::newRow("archive") << int(Grid::Archive) << " Esportazione archivio appuntamenti"
                                 << "Riepilogo_Appuntamenti.xls"
                                 << "Riepilogo Appuntamenti"
                                 << "Esportazione archivio appuntamenti in Excel" << 14;
    }
    void names() {
        QFETCH(int, grid);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(QString, help);
        QFETCH(int, columns);
        seams->folder.write(kFile, appointment("15/03/2024", "09", "00", "0", kNo, "Rossi"));
        const auto g = makeGrid(Grid(grid), kToday);
        QCOMPARE(g->windowTitle(), caption);
        QCOMPARE(g->model()->columnCount(), columns);
        QCOMPARE(g->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("N."));
        QCOMPARE(g->model()->headerData(columns - 1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 columns == 15 ? QStringLiteral("Codice univoco") : QStringLiteral("Note"));
        QCOMPARE(g->setup().sheetName, sheet);
        QCOMPARE(g->exportPath(), seams->folder.file(file));
        QString title;
        whenModal([&](QWidget *w) {
            auto *guida = qobject_cast<TfrmGuida *>(w);
            QVERIFY(guida);
            title = guida->lblTitolo->text();
            guida->close();
        });
        g->cmdGuida->click();
        QCOMPARE(title, help);
        // Showing fills it; the export writes the file of its own name.
        g->show();
        QCOMPARE(g->model()->rows(), 1);
        g->cmdEsporta->click();
        QVERIFY(seams->folder.read(file).contains(("<x:Name>" + sheet + "</x:Name>").toLatin1()));
        QCOMPARE(seams->shell.commands,
                 QStringList{QLatin1Char('"') + seams->folder.file(file) + QLatin1Char('"')});
    }

    // Which appointments each grid shows, in which order, with which "N.".
    void selections_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QStringList>("rows");
        // Archive of the fixture below, in file order:
        // 1 Marzo  31/03/2024 10:00 notice 0 No
        // 2 Primo  01/03/2024 09:00 notice 0 Si
        // 3 Anno   15/03/2023 09:00 notice 0 No
        // 4 Aprile 01/04/2024 08:00 notice 20 No
        // 5 Dopo   15/03/2024 18:30 notice 0 No
        // 6 Prima  15/03/2024 08:15 notice 0 Si
        // 7 Errata 15/3/24    09:00 notice 0 No   (date unreadable)
        // 8 Avviso 15/03/2024 07:00 notice ""  No  (notice unreadable)
        QTest::newRow("day, fulfilled or not")
            << int(Grid::Day) << QDate(2024, 3, 15) << QStringList{"3 Avviso", "2 Prima", "1 Dopo"};
        QTest::newRow("month of March 2024, not 2023 or April")
            << int(Grid::Month) << QDate(2024, 3, 20)
            << QStringList{"2 Primo", "5 Avviso", "4 Prima", "3 Dopo", "1 Marzo"};
        QTest::newRow("March 2023 only") << int(Grid::Month) << QDate(2023, 3, 1) << QStringList{"1 Anno"};
        QTest::newRow("imminent, readable records only")
            << int(Grid::Imminent) << QDate() << QStringList{"1 Anno", "3 Dopo", "2 Aprile"};
        QTest::newRow("whole archive in file order")
            << int(Grid::Archive) << QDate() << QStringList{"1 Marzo", "2 Primo", "3 Anno",   "4 Aprile",
                                                            "5 Dopo",  "6 Prima", "7 Errata", "8 Avviso"};
    }
    void selections() {
        QFETCH(int, grid);
        QFETCH(QDate, day);
        QFETCH(QStringList, rows);
        seams->folder.write(kFile, appointment("31/03/2024", "10", "00", "0", kNo, "Marzo") +
                                       appointment("01/03/2024", "09", "00", "0", kYes, "Primo") +
                                       appointment("15/03/2023", "09", "00", "0", kNo, "Anno") +
                                       appointment("01/04/2024", "08", "00", "20", kNo, "Aprile") +
                                       appointment("15/03/2024", "18", "30", "0", kNo, "Dopo") +
                                       appointment("15/03/2024", "08", "15", "0", kYes, "Prima") +
                                       appointment("15/3/24", "09", "00", "0", kNo, "Errata") +
                                       appointment("15/03/2024", "07", "00", "", kNo, "Avviso"));
        const auto g = makeGrid(Grid(grid), day);
        g->show();
        QCOMPARE(rowsOf(*g), rows);
    }

    // Every cell of a row, trimmed, and the code made of date and time.
    void rowContent() {
        seams->folder.write(kFile, appointmentRecord({{"Data", "05/03/2024"},
                                                      {"Ore", "07"},
                                                      {"Minuti", "05"},
                                                      {"Ora", "07:05"},
                                                      {"Avviso", "2"},
                                                      {"Tipologia", "Anna"},
                                                      {"Causale", "Vetri"},
                                                      {"Dettagli", "Scala"},
                                                      {"Contatto", "Rossi"},
                                                      {"Tel", "06 1"},
                                                      {"Cel", "333"},
                                                      {"Email", "r@e.it"},
                                                      {"Luogo", "Contanti"},
                                                      {"Importo", "10,00"},
                                                      {"Note", "Nessuna"},
                                                      {"Ottemperata", "No"}}));
        TfrmExpGiornaliere grid(QDate(2024, 3, 5));
        grid.show();
        QCOMPARE(grid.model()->rows(), 1);
        QStringList row;
        for (int c = 0; c < grid.model()->columnCount(); ++c)
            row.append(grid.model()->data(grid.model()->index(0, c), Qt::DisplayRole).toString());
        QCOMPARE(row, QStringList({"1", "05/03/2024", "07:05", "Anna", "Vetri", "Scala", "Rossi", "06 1",
                                   "333", "r@e.it", "Contanti", "10,00", "No", "Nessuna", "202403050705"}));
    }

    // A small archive written through the real day grid, byte for byte: the
    // rows in time order, "N." left out, the code last.
    void dayExportByteForByte() {
        seams->folder.write(kFile, appointmentRecord({{"Data", "05/03/2024"},
                                                      {"Ore", "10"},
                                                      {"Minuti", "30"},
                                                      {"Ora", "10:30"},
                                                      {"Avviso", "1"},
                                                      {"Tipologia", "Luca"},
                                                      {"Causale", "Pulizia <uffici> & scale"},
                                                      {"Contatto", "Citt\u00e0 Nuova Srl"},
                                                      {"Cel", "3201112223"},
                                                      {"Luogo", "Bonifico"},
                                                      {"Importo", "250,00"},
                                                      {"Note", "Portare \u20ac 5"},
                                                      {"Ottemperata", kYes}}) +
                                       appointment("05/03/2024", "08", "00", "0", kNo, "Rossi Mario"));
        TfrmExpGiornaliere grid(QDate(2024, 3, 5));
        grid.show();
        grid.cmdEsporta->click();
        const QByteArray expected =
            kHead + "<x:Name>Appuntamenti del giorno</x:Name>" + kOptions + kHeaders + kCodeHeader + "</tr>" +
            cells({"05/03/2024", "08:00", "Anna", "Pulizia uffici", "Portare la scala", "Rossi Mario",
                   "06 5551234", "3331234567", "cliente@esempio.it", "Bonifico", "120,00", "No", "Citofonare",
                   "202403050800"}) +
            cells({"05/03/2024", "10:30", "Luca", "Pulizia &lt;uffici&gt; &amp; scale", "",
                   "Citt\xe0 Nuova Srl", "", "3201112223", "", "Bonifico", "250,00", "S\xec",
                   "Portare \x80 5", "202403051030"}) +
            "</table></body></html>";
        const QByteArray written = seams->folder.read(QStringLiteral("Appuntamenti_Giornalieri.xls"));
        QCOMPARE(written, expected);
        QVERIFY(!written.contains('\n') && !written.contains('\r'));
    }

    // The archive export: every record in file order, no code column.
    void archiveExportByteForByte() {
        seams->folder.write(kFile, appointment("20/03/2024", "09", "00", "0", kYes, "Secondo") +
                                       appointment("01/03/2024", "08", "00", "0", kNo, "Primo"));
        TfrmExpScadenzario grid;
        grid.show();
        grid.cmdEsporta->click();
        const QByteArray expected =
            kHead + "<x:Name>Riepilogo Appuntamenti</x:Name>" + kOptions + kHeaders + "</tr>" +
            cells({"20/03/2024", "09:00", "Anna", "Pulizia uffici", "Portare la scala", "Secondo",
                   "06 5551234", "3331234567", "cliente@esempio.it", "Bonifico", "120,00", "S\xec",
                   "Citofonare"}) +
            cells({"01/03/2024", "08:00", "Anna", "Pulizia uffici", "Portare la scala", "Primo", "06 5551234",
                   "3331234567", "cliente@esempio.it", "Bonifico", "120,00", "No", "Citofonare"}) +
            "</table></body></html>";
        QCOMPARE(seams->folder.read(QStringLiteral("Riepilogo_Appuntamenti.xls")), expected);
        QCOMPARE(seams->messages.shown.size(), 2);
    }

    void emptyGridExportsTheHeaderRowOnly() {
        TfrmExpMensili grid(QDate(2024, 3, 1)); // no archive yet: it is created empty
        grid.show();
        QCOMPARE(grid.model()->rows(), 0);
        grid.cmdEsporta->click();
        QCOMPARE(seams->folder.read(QStringLiteral("Appuntamenti_Mensili.xls")),
                 kHead + "<x:Name>Appuntamenti del mese</x:Name>" + kOptions + kHeaders + kCodeHeader +
                     "</tr></table></body></html>");
        QVERIFY(QFile::exists(seams->folder.file(kFile)));
    }

    // The appointment card's "Esporta archivio" opens the archive export.
    void cardOpensTheArchiveExport() {
        seams->folder.write(kFile, appointment("01/03/2024", "08", "00", "0", kNo, "Primo"));
        TfrmArchivio_Scadenze card;
        card.show();
        QVERIFY(card.cmdEsporta->isEnabled());
        QString caption;
        int rows = -1;
        whenModal([&](QWidget *w) {
            auto *grid = qobject_cast<TfrmExpScadenzario *>(w);
            QVERIFY(grid);
            caption = grid->windowTitle();
            rows = grid->model()->rows();
            grid->cmdEsci->click();
        });
        card.cmdEsporta->click();
        QCOMPARE(caption, QStringLiteral(" Esportazione archivio appuntamenti"));
        QCOMPARE(rows, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TstAppointmentGrids)
#include "tst_appointmentgrids.moc"
