#pragma once
// The preview window of every report: the pages as they will be printed, with
// only print, zoom, full screen and close (nothing can be edited).
#include "reports/PreparedReport.h"

#include <QDialog>
#include <QPrinter>
#include <functional>

class QAction;
class QPrintPreviewWidget;
class QToolBar;

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    // print is what the print button does (the engine's print step).
    ReportPreview(const PreparedReport &report, std::function<void(QWidget *)> print,
                  QWidget *parent = nullptr);

    QToolBar *toolbar;
    QPrintPreviewWidget *view;
    QAction *actStampa;
    QAction *actIngrandisci;
    QAction *actRiduci;
    QAction *actSchermoIntero;
    QAction *actChiudi;

private:
    void toggleFullScreen();

    PreparedReport m_report;
    std::function<void(QWidget *)> m_print;
    QPrinter m_printer;
};
