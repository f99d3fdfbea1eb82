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

signals:
    // Double-click on a line: its row and record number.
    void lineActivated(int row, qint64 recordNumber);

private:
    RecordListModel *m_model;
};
