#pragma once
// The quick find of every list screen: "Trova" moves the selection to the
// next line holding the text, wrapping, and remembers the text it searched.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QLineEdit;
class QAbstractButton;
class RecordListView;

namespace QuickFind {
// Whether line row, lower-cased on a-z, holds text (already lower-cased).
using LineTest = std::function<bool(int row, const QString &text)>;
// The line to select among count lines, or -1. A new text starts at line 0
// (tested first); the same text starts after the selected line, which is
// tested last. memory takes the text in any case.
int next(int count, const LineTest &holds, int selected, const QString &typed, QString &memory);
// The same over lines already lower-cased.
int next(const QStringList &lowered, int selected, const QString &typed, QString &memory);
} // namespace QuickFind

// Wires a txtTrova / btnTrova pair to a list: Enter in txtTrova focuses btnTrova,
// Enter on the focused btnTrova runs the find (so a keyboard user can search).
class QuickFinder : public QObject {
    Q_OBJECT
public:
    QuickFinder(QLineEdit *txtTrova, QAbstractButton *btnTrova, RecordListView *list);
    // Each showing of a list screen starts with an empty memory.
    void reset() { m_memory.clear(); }
    void find();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_text;
    RecordListView *m_list;
    QString m_memory;
};
