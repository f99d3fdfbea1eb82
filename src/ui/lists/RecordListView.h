#pragma once
// lstRecords: result lines in "Courier New" 12 so the fixed columns line up,
// one line per record, fast on lists of 100 000 lines.
#include "ui/lists/RecordListModel.h"

#include <QListView>

class RecordListView : public QListView {
    Q_OBJECT
public:
    explicit RecordListView(QWidget *parent = nullptr,
                            const QString &objectName = QStringLiteral("lstRecords"));

    RecordListModel *listModel() const { return m_model; }
    int currentRow() const;
    void selectRow(int row);
    // The record number of the selected line, 0 when none is selected.
    qint64 selectedRecordNumber() const;

    // The first `columns` characters of every line, where the value the user
    // comes for ends (a cost, a mobile, the hours), stay in view without
    // scrolling sideways: on a narrower list the font is made smaller, never
    // below kSmallestPoints. 0: the whole longest line. The lines stay as
    // they are; a wider list shows them in the font it was given.
    void setColumnsInView(int columns);
    int columnsInView() const { return m_columns; } // -1: not set
    static constexpr qreal kSmallestPoints = 8;

protected:
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

signals:
    // Double-click on a line: its row and record number.
    void lineActivated(int row, qint64 recordNumber);

private:
    void fitColumns();

    RecordListModel *m_model;
    int m_columns = -1; // -1: the font as given
    QFont m_given;      // the font the list was given
    bool m_fitting = false;
};
