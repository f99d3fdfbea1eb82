#pragma once
// A list screen: a dialog around a ListPanel whose lines come from one record
// file, which it only ever opens for reading (a read-only share still lists).
// Each showing starts afresh (quick-find memory, find text, the lines rebuilt
// by refresh), closing empties the list, and a chosen line leads back to its
// record by the record number the line keeps. The search screens, the
// summaries, the entry lists and the hours summary are ListDialogs.
#include "core/records/ResultLine.h"
#include "ui/lists/HandBack.h"

#include <QDialog>
#include <functional>

// The order of a list's lines: the file's, or a-z without regard to case.
enum class LineOrder { File, SortedAZ };

class ListPanel;
class QLabel;
class Record;
class RecordLayout;

class ListDialog : public QDialog {
    Q_OBJECT
public:
    ListDialog(QWidget *parent, const QString &doubleClickHint);

    ListPanel *list; // txtTrova, btnTrova, lstRecords, lblRigo03, btnStampa, btnChiudi
    // Hidden until a listing leaves something out: what, beside the total.
    QLabel *lblEscluse;

    // Where a chosen record goes: given by the screen that opens the list.
    void setHandBack(HandBack handBack) { m_handBack = std::move(handBack); }
    // Hands the record of a line (re-read now by its record number) to the
    // opener and closes the screen.
    void loadLine(int row);

protected:
    // The file the lines come from and its records.
    void setSource(const RecordLayout *layout, const QString &path);
    const QString &sourcePath() const { return m_path; }
    // Re-reads the record of a line; false when it cannot be read.
    bool readLine(int row, Record &record) const;
    // Lists the records of the source that selection keeps, in file order;
    // false when the file cannot be read. A missing file is created where the
    // folder allows, and lists nothing.
    bool listSource(const LineFormat &line, const std::function<bool(const char *record)> &selection);
    // Shows beside the total how many entries it leaves out ("" when none).
    void setLeftOut(const QString &text);
    // The printed list: the lines, the closing lines and the left-out line.
    QStringList printedLines(const QStringList &closing) const;

    // Builds the lines, at every showing.
    virtual void refresh() {}
    // What has the focus once shown: the find text unless told otherwise.
    virtual QWidget *firstFocus() const;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    const RecordLayout *m_layout = nullptr;
    QString m_path;
    HandBack m_handBack;
};
