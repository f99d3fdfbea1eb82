#pragma once
// The rows of an export grid: a number column "N." and text cells, kept
// compactly as their Windows-1252 bytes (one block, where each row starts and
// each cell's length)
// and decoded only when shown, so that 100 000 rows fill, sort, show and
// export quickly. Rows can be sorted on one column; cells of
// editable columns can be changed by the user, and what the grid shows is
// what is exported.
#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QStringView>

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // headers: the data columns' headers; column 0 is always "N.".
    explicit GridModel(QStringList headers, QObject *parent = nullptr);

    // Filling: beginFill() empties the grid, then rows are added cell by
    // cell, and endFill() shows them.
    // rows, bytesPerRow: at most how many rows and bytes a row will come, so the
    // room is taken once (untouched room costs no memory).
    void beginFill(qint64 rows = 0, qint64 bytesPerRow = 0);
    void startRow(qint64 number);
    void addCell(QStringView text);
    void addCell(QByteArrayView windows1252);
    void endFill();
    // Ascending order of the data column's texts (a-z compared without regard
    // to case); equal texts keep their order. Only between beginFill/endFill.
    void sortBy(int dataColumn);
    void setEditable(int dataColumn, bool editable);

    int rows() const { return int(m_order.size()); }
    int dataColumns() const { return int(m_headers.size()) - 1; }
    qint64 number(int row) const { return m_numbers.at(m_order.at(row)); }
    // A data cell (0-based data column) as the grid shows it.
    QString cell(int row, int dataColumn) const;
    // The same cell's Windows-1252 bytes; scratch holds them when the user changed the cell.
    QByteArrayView cellBytes(int row, int dataColumn, QByteArray &scratch) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    QByteArrayView stored(int storedRow, int dataColumn) const;
    const QString *edited(int storedRow, int dataColumn) const;

    QStringList m_headers;
    QList<bool> m_editable;
    QByteArray m_bytes;             // every cell, row after row (room past m_used)
    qsizetype m_used = 0;
    QList<qsizetype> m_rowStarts;   // where each stored row's cells start in m_bytes
    QList<quint16> m_lengths;       // each cell's length, row after row
    QList<qint64> m_numbers;        // "N." of each stored row
    QList<int> m_order;             // shown row -> stored row
    QHash<qint64, QString> m_edits; // stored row * columns + column -> the user's text
};
