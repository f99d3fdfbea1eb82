#pragma once
// The company's year at a glance: the services billed, the appointments by
// state and the hours worked, month by month, in three charts and a table;
// printed and exported from here. It only reads the archives.
// Drives overview/YearFigures (the figures), shown through MonthTable, OverviewCharts and OverviewPrint.
#include "overview/YearFigures.h"
#include "ui/windows/ModuleWindow.h"

#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QTableWidget;
class QToolButton;
QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

class TfrmAndamento : public ModuleWindow {
    Q_OBJECT
public:
    explicit TfrmAndamento(QWidget *parent = nullptr);

    // Reads every archive again (with the progress bar) and shows the current
    // year. Showing the screen does it once the window is up.
    void refresh();
    int shownYear() const { return m_year; }
    // The table's text as shown, the "Totale" row last.
    QList<QStringList> tableRows() const;
    static QString exportFileName(int year); // "Andamento_yyyy.xls"
    static QString sheetName(int year);

    QComboBox *cmbAnno;
    QProgressBar *prgLettura;
    QLabel *lblEscluse;
    QChartView *chtImporti, *chtAppuntamenti, *chtOre;
    QTableWidget *grdMesi;
    QToolButton *cmdStampa, *cmdEsporta, *cmdGuida, *cmdEsci;
    QLabel *panInfo;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void showYear(int year);
    QList<QChart *> makeCharts() const; // amounts, appointments, hours of the year shown
    void fillTable(const YearFigures &figures);
    void blankTable();
    void cmdStampaClick();
    void cmdEsportaClick();

    std::optional<CompanyFigures> m_figures;
    int m_year = 0;
    bool m_reading = false;
};
