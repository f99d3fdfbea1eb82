#pragma once
// The results part shared by the list screens: quick find (txtTrova, btnTrova),
// the lines (lstRecords), an information label, Stampa and Chiudi.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QuickFinder;
class RecordListView;

class ListPanel : public QWidget {
    Q_OBJECT
public:
    explicit ListPanel(const QString &doubleClickHint, QWidget *parent = nullptr);

    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    RecordListView *lstRecords;
    QLabel *lblTrovate; // optional count line, hidden unless used
    QLabel *lblRigo03;
    QPushButton *btnStampa;
    QPushButton *btnChiudi;
    QuickFinder *finder;
};
