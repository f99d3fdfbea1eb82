#include "ui/widgets/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setColor(QColor(0, 0, 139));
}

void LinkLabel::setColor(const QColor &c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void LinkLabel::mousePressEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton)
        setColor(QColor(255, 140, 0));
    QLabel::mousePressEvent(e);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *e) {
    setColor(QColor(0, 0, 139));
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}

ClickableImage::ClickableImage(const QPixmap &pm, QWidget *parent) : QLabel(parent) {
    setPixmap(pm);
    setCursor(Qt::PointingHandCursor);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}
