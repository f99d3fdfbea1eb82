#pragma once
// The highlight frame ("eff" + field name) drawn around the focused edit:
// shown while the edit has the focus, hidden when it loses it.
#include <QFrame>

class FocusHighlight : public QFrame {
    Q_OBJECT
public:
    // Creates the frame as a sibling of the edit and follows it around.
    static FocusHighlight *attach(QWidget *edit, const QString &objectName);
    QWidget *target() const { return m_target; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FocusHighlight(QWidget *target, const QString &objectName);
    void follow();
    QWidget *m_target;
};
