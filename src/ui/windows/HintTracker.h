#pragma once
// The hint panel `panInfo` of a screen: moving the mouse onto a command writes
// the command's hint, moving over the background or a decorative element
// empties it. Card screens and export grids share it.
#include <QList>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

struct CardHint {
    const char *control; // object name of the command
    QString text;
};

class HintTracker : public QObject {
    Q_OBJECT
public:
    // Watches the commands named in hints and, as background, every other
    // widget of form that is not an input (nor inside one), not the panel and
    // not in leaveAlone. Widgets created later are not watched.
    HintTracker(QWidget *form, QLabel *panel, QList<CardHint> hints, const QList<QWidget *> &leaveAlone = {});

    // Moving over w empties the panel too (an input such as a grid's viewport,
    // or the panel itself).
    void emptyOver(QWidget *w);
    void setHint(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether the deepest widget at pos (in w) is background, not a command,
    // a field or something inside them.
    bool isBackgroundUnder(QWidget *w, const QPoint &pos) const;
    QLabel *m_panel;
    QList<CardHint> m_hints;
    QList<QWidget *> m_hinted;
    QList<QWidget *> m_background;
};
