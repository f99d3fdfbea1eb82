// The year's overview on screen: the table and its formats against sums made
// by hand, the charts holding the table's numbers, the year chosen, the export
// and the print.
#include "OverviewFixture.h"
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "core/text/Formats.h"
#include "core/text/TextRules.h"
#include "overview/Andamento.h"
#include "overview/MonthTable.h"
#include "overview/OverviewCharts.h"
#include "reports/ReportPreview.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/export/ExportGrid.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QProgressBar>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>

namespace {

// The value of a table cell as the charts hold it: "1.250,00" is 1250.
double cellValue(const QString &text) {
    QString plain = text;
    plain.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return plain.toDouble();
}

// The value axis of a chart labels whole numbers, each once: its ticks are a
// whole step of at least 1 apart.
bool wholeTicks(QChartView *view) {
    const QList<QAbstractAxis *> axes = view->chart()->axes(Qt::Vertical);
    auto *axis = axes.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(axes.first());
    if (!axis || axis->tickCount() < 2)
        return false;
    const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    return step >= 1 && step == std::floor(step);
}

QList<QBarSet *> barSets(QChartView *view) {
    const QList<QAbstractSeries *> series = view->chart()->series();
    if (series.size() != 1)
        return {};
    if (auto *bars = qobject_cast<QAbstractBarSeries *>(series.first()))
        return bars->barSets();
    return {};
}

// The cells of an exported workbook, row by row.
QList<QStringList> workbookCells(const QByteArray &bytes) {
    const QString text = Text::fromCp1252(bytes);
    QList<QStringList> rows;
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    for (auto r = row.globalMatch(text); r.hasNext();) {
        QStringList cells;
        for (auto c = cell.globalMatch(r.next().captured(1)); c.hasNext();)
            cells.append(c.next().captured(1));
        rows.append(cells);
    }
    return rows;
}

} // namespace

class TstAndamento : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenSeams> seams;
    std::unique_ptr<TfrmAndamento> screen;

    void open() {
        OverviewFixture::write(seams->folder);
        screen = std::make_unique<TfrmAndamento>();
        screen->refresh();
    }
    void choose(int year) {
        screen->cmbAnno->setCurrentIndex(screen->cmbAnno->findText(QString::number(year)));
        QCOMPARE(screen->shownYear(), year);
    }

private slots:
    void init() {
        seams = std::make_unique<ScreenSeams>();
        Clock::setFixed(QDateTime(OverviewFixture::today(), QTime(10, 0)));
    }
    void cleanup() {
        screen.reset();
        seams.reset();
        Clock::setFixed(QDateTime());
    }

    void formats_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("hours");
        QTest::newRow("zero") << 0.0 << "0,00"
                              << "0";
        QTest::newRow("whole") << 8.0 << "8,00"
                               << "8";
        QTest::newRow("thousands") << 1250.0 << "1.250,00"
                                   << "1250";
        QTest::newRow("millions") << 1234567.891 << "1.234.567,89"
                                  << "1234567,89";
        QTest::newRow("half a cent up") << 0.005 << "0,01"
                                        << "0,01";
        QTest::newRow("rounding carries") << 999.995 << "1.000,00"
                                          << "1000";
        QTest::newRow("one decimal") << 7.5 << "7,50"
                                     << "7,5";
        QTest::newRow("sum of fractions") << 0.1 + 0.2 << "0,30"
                                          << "0,3";
        QTest::newRow("a third") << 1.0 / 3 << "0,33"
                                 << "0,33";
        QTest::newRow("negative") << -3.5 << "-3,50"
                                  << "-3,5";
    }
    void formats() {
        QFETCH(double, value);
        QFETCH(QString, amount);
        QFETCH(QString, hours);
        QCOMPARE(Formats::groupedAmountText(value), amount);
        QCOMPARE(MonthTable::hoursText(value), hours);
    }

    void table_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("leftOut");
        const QString five = QStringLiteral("5 voci non leggibili non sono comprese");
        const QString three = QStringLiteral("3 voci non leggibili non sono comprese");
        // clang-format off
        QTest::newRow("January") << 2024 << 0 << QStringList{"Gennaio", "2", "100,33", "0", "0", "0", "0", "11"} << five;
        QTest::newRow("leap day") << 2024 << 1 << QStringList{"Febbraio", "2", "70,75", "0", "0", "0", "0", "7,5"} << five;
        QTest::newRow("thousands") << 2024 << 3 << QStringList{"Aprile", "1", "1.250,00", "0", "0", "0", "0", "0"} << five;
        QTest::newRow("visits") << 2024 << 5 << QStringList{"Giugno", "0", "0,00", "4", "1", "2", "1", "0"} << five;
        QTest::newRow("total") << 2024 << 12 << QStringList{"Totale", "5", "1.421,08", "5", "1", "3", "1", "18,5"} << five;
        QTest::newRow("previous year") << 2023 << 11 << QStringList{"Dicembre", "1", "1.000,00", "0", "0", "0", "0", "4"} << three;
        QTest::newRow("previous total") << 2023 << 12 << QStringList{"Totale", "1", "1.000,00", "1", "0", "0", "1", "4"} << three;
        // clang-format on
    }
    void table() {
        QFETCH(int, year);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        QFETCH(QString, leftOut);
        open();
        QCOMPARE(screen->shownYear(), 2024); // the current year first
        choose(year);
        QCOMPARE(screen->grdMesi->rowCount(), 13);
        QCOMPARE(screen->tableRows().at(row), cells);
        QVERIFY(!screen->lblEscluse->isHidden());
        QCOMPARE(screen->lblEscluse->text(), leftOut);
    }

    // The main menu's imgAndamento opens the screen maximised in the menu's
    // place; it is read once on screen, and closing it brings the menu back.
    void openedFromTheMainMenu() {
        OverviewFixture::write(seams->folder);
        Tersalia::Screens s = Tersalia::createScreens();
        s.avvio->show();
        QVERIFY(s.avvio->imgAndamento->isEnabled());
        QVERIFY(!s.avvio->imgAndamento->toolTip().isEmpty());
        QTest::mouseClick(s.avvio->imgAndamento, Qt::LeftButton);
        QVERIFY(s.andamento->isVisible());
        QVERIFY(s.andamento->windowState() & Qt::WindowMaximized);
        QVERIFY(!s.avvio->isVisible());
        QVERIFY(!s.andamento->cmdEsporta->isEnabled()); // until the archives are read
        // Until then the months stand without figures: no table of zeros.
        const QList<QStringList> unread = s.andamento->tableRows();
        QCOMPARE(unread.size(), 13);
        QCOMPARE(unread.first().first(), QStringLiteral("Gennaio"));
        QCOMPARE(unread.last().first(), QStringLiteral("Totale"));
        for (const QStringList &row : unread)
            QCOMPARE(row.mid(1).join(QString()), QString());
        // The hint panel lies at the foot, not among the commands where it
        // would look like a field.
        QVERIFY(s.andamento->panInfo->geometry().top() >= s.andamento->grdMesi->geometry().bottom());
        QTRY_COMPARE(s.andamento->shownYear(), 2024);
        QVERIFY(s.andamento->cmdEsporta->isEnabled());
        QVERIFY(s.andamento->prgLettura->isHidden());
        QCOMPARE(s.andamento->tableRows().last().at(MonthTable::Servizi), QStringLiteral("5"));
        s.andamento->close();
        QVERIFY(s.avvio->isVisible());
        Tersalia::destroyScreens();
    }

    // The printed charts are drawn, not blank boxes: each picture holds the
    // chart's colours.
    void printedChartsAreDrawn() {
        open();
        YearFigures year = CompanyFigures::read(OverviewFixture::today()).year(2024);
        const QList<QImage> pictures = {
            OverviewCharts::picture(OverviewCharts::amounts({2024, &year}, {2023, nullptr}), QSize(420, 300)),
            OverviewCharts::picture(OverviewCharts::visits(year), QSize(420, 300)),
            OverviewCharts::picture(OverviewCharts::hours(year), QSize(420, 300))};
        for (const QImage &picture : pictures) {
            QVERIFY(!picture.isNull());
            QSet<QRgb> colours;
            for (int y = 0; y < picture.height(); y += 3)
                for (int x = 0; x < picture.width(); x += 3)
                    colours.insert(picture.pixel(x, y));
            QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
        }
    }

    // The months' names stand whole under the bars even in a chart of the
    // smallest size the screen gives.
    void monthNamesAreWhole() {
        open();
        YearFigures year = CompanyFigures::read(OverviewFixture::today()).year(2024);
        YearFigures previous = CompanyFigures::read(OverviewFixture::today()).year(2023);
        const QSize smallest = screen->chtImporti->minimumSize();
        for (QChart *chart : {OverviewCharts::amounts({2024, &year}, {2023, &previous}),
                              OverviewCharts::visits(year), OverviewCharts::hours(year)}) {
            QChartView view(chart);
            view.setFixedSize(smallest);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            const QList<QAbstractAxis *> axes = chart->axes(Qt::Horizontal);
            QCOMPARE(axes.size(), 1);
            QTRY_VERIFY2(!axes.first()->labelsTruncated(), qPrintable(chart->title()));
        }
    }

    void yearsOffered() {
        open();
        QStringList items;
        for (int i = 0; i < screen->cmbAnno->count(); ++i)
            items << screen->cmbAnno->itemText(i);
        QCOMPARE(items, QStringList({"2024", "2023"}));
    }

    void emptyFolderShowsAnEmptyYear() {
        screen = std::make_unique<TfrmAndamento>();
        screen->refresh();
        QCOMPARE(screen->cmbAnno->count(), 1);
        QCOMPARE(screen->tableRows().last(), QStringList({"Totale", "0", "0,00", "0", "0", "0", "0", "0"}));
        QVERIFY(screen->lblEscluse->isHidden());
        for (QChartView *view : {screen->chtImporti, screen->chtAppuntamenti, screen->chtOre})
            QVERIFY2(wholeTicks(view), qPrintable(view->objectName()));
    }

    void chartsHoldTheTable_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("previousShown");
        QTest::newRow("with the previous year") << 2024 << true;
        QTest::newRow("without a previous year") << 2023 << false;
    }
    void chartsHoldTheTable() {
        QFETCH(int, year);
        QFETCH(bool, previousShown);
        open();
        choose(year);
        const QList<QStringList> rows = screen->tableRows();

        const QList<QBarSet *> amounts = barSets(screen->chtImporti);
        QCOMPARE(amounts.size(), previousShown ? 2 : 1);
        QBarSet *current = amounts.last();
        QCOMPARE(current->label(), QString::number(year));
        const QList<QBarSet *> visits = barSets(screen->chtAppuntamenti);
        QCOMPARE(visits.size(), 3);
        QVERIFY(qobject_cast<QStackedBarSeries *>(screen->chtAppuntamenti->chart()->series().first()));
        auto *hours = qobject_cast<QLineSeries *>(screen->chtOre->chart()->series().value(0));
        QVERIFY(hours);
        QCOMPARE(hours->count(), 12);
        for (int m = 0; m < 12; ++m) {
            const QStringList &row = rows.at(m);
            QCOMPARE(qRound64(current->at(m) * 100), qRound64(cellValue(row.at(MonthTable::Importo)) * 100));
            for (QBarSet *set : visits) {
                const int column = set->label() == OverviewCharts::fulfilledName() ? MonthTable::Assolti
                                   : set->label() == OverviewCharts::overdueName() ? MonthTable::Scaduti
                                                                                   : MonthTable::DaAssolvere;
                QCOMPARE(set->at(m), cellValue(row.at(column)));
            }
            QCOMPARE(hours->at(m).y(), cellValue(row.at(MonthTable::Ore)));
        }
        if (previousShown) {
            // The previous year's bars are that year's table.
            choose(year - 1);
            const QList<QStringList> before = screen->tableRows();
            choose(year);
            QBarSet *previous = barSets(screen->chtImporti).first();
            QCOMPARE(previous->label(), QString::number(year - 1));
            for (int m = 0; m < 12; ++m)
                QCOMPARE(qRound64(previous->at(m) * 100),
                         qRound64(cellValue(before.at(m).at(MonthTable::Importo)) * 100));
        }
    }

    void exportWritesTheTable_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("openIt");
        QTest::newRow("current year, opened") << 2024 << true;
        QTest::newRow("previous year, not opened") << 2023 << false;
    }
    void exportWritesTheTable() {
        QFETCH(int, year);
        QFETCH(bool, openIt);
        open();
        choose(year);
        seams->messages.answerNext(true);
        seams->messages.answerNext(openIt);
        screen->cmdEsporta->click();
        const QString name = QStringLiteral("Andamento_%1.xls").arg(year);
        const QList<QStringList> cells = workbookCells(seams->folder.read(name));
        QCOMPARE(cells.size(), 14);
        QCOMPARE(cells.first(), MonthTable::headers());
        QCOMPARE(cells.mid(1), screen->tableRows());
        QCOMPARE(seams->messages.shown.size(), 2);
        QCOMPARE(seams->messages.shown.at(0).text, ExportGrid::askText());
        QCOMPARE(seams->messages.shown.at(1).text, ExportGrid::doneText());
        QCOMPARE(seams->shell.commands,
                 openIt ? QStringList{"\"" + seams->folder.file(name) + "\""} : QStringList());
    }

    void exportAnsweredNoWritesNothing() {
        open();
        seams->messages.answerNext(false);
        screen->cmdEsporta->click();
        QVERIFY(!QFile::exists(seams->folder.file(QStringLiteral("Andamento_2024.xls"))));
    }

    void exportThatCannotBeWrittenIsTold() {
        open();
        // A folder standing where the file should be.
        QVERIFY(QDir(seams->folder.path()).mkdir(QStringLiteral("Andamento_2024.xls")));
        screen->cmdEsporta->click();
        QCOMPARE(seams->messages.lastText(), ExportGrid::failureText());
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Plain);
        QVERIFY(seams->shell.commands.isEmpty());
    }

    void printShowsChartsAndTable() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils (pdftotext) is needed to read the printed page");
        open();
        ScriptedPrinter printer;
        printer.outputFile = seams->folder.file(QStringLiteral("andamento.pdf"));
        int previewPages = 0;
        whenModal([&](QWidget *w) {
            auto *preview = qobject_cast<ReportPreview *>(w);
            if (!preview) {
                w->close();
                return;
            }
            previewPages = preview->view->pageCount();
            preview->actStampa->trigger();
            preview->actChiudi->trigger();
        });
        screen->cmdStampa->click();
        QCOMPARE(previewPages, 1);
        QCOMPARE(printer.calls, 1);
        QCOMPARE(printer.pageLayout.orientation(), QPageLayout::Landscape);
        QCOMPARE(printer.pageLayout.pageSize().id(), QPageSize::A4);
        PdfText pdf(printer.outputFile);
        QVERIFY(pdf.isValid());
        QCOMPARE(pdf.pageCount(), 1);
        const QString text = pdf.allText();
        QVERIFY2(text.contains(QStringLiteral("Andamento dell'anno 2024")), qPrintable(text));
        // Each row of the table reads on the sheet in its order, the total last.
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QStringList &row : screen->tableRows())
            QVERIFY2(lines.contains(row.join(QLatin1Char(' '))), qPrintable(row.join(QLatin1Char(' '))));
        QVERIFY2(text.contains(QStringLiteral("5 voci non leggibili non sono comprese")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 15/06/2024")));
        // The three charts are the sheet's pictures.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printer.outputFile});
        QVERIFY(images.waitForFinished(30000));
        const QStringList listed =
            QString::fromUtf8(images.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(listed.size() - 2, 3); // after the two heading lines
    }
};

QTEST_MAIN(TstAndamento)
#include "tst_andamento.moc"
