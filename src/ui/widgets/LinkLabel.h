#pragma once
// A web-style link: dark blue, orange while the mouse button is held on it.
#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void setColor(const QColor &c);
};

// An image that acts as a button (icons beside links, the main menu's icons).
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    explicit ClickableImage(const QPixmap &pm, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
};
