#include "employees/photo/PhotoStage.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

PhotoStage::PhotoStage(QWidget *parent, const QString &caption) : QDialog(parent) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    imgFoto = new QLabel(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setAlignment(Qt::AlignCenter);
    auto *inner = new QVBoxLayout(panContainer);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(imgFoto);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panContainer, 0, Qt::AlignCenter);
    panContainer->installEventFilter(this);
    imgFoto->installEventFilter(this);
    setCursor(Qt::PointingHandCursor);
}

QSize PhotoStage::stageSize() const {
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize area = s ? s->size() : QSize(1024, 768);
    return {std::max(area.width() - 60, 100), std::max(area.height() - 90, 100)};
}

void PhotoStage::setPicture(const QImage &picture) {
    m_picture = picture;
    fit();
}

void PhotoStage::fit() {
    const QSize area = stageSize();
    panContainer->setFixedSize(area);
    imgFoto->setFixedSize(area);
    if (m_picture.isNull()) {
        imgFoto->clear();
        return;
    }
    imgFoto->setPixmap(
        QPixmap::fromImage(m_picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PhotoStage::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    setWindowState(windowState() | Qt::WindowMaximized);
    fit();
}

void PhotoStage::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(70, 130, 180)); // steel blue
    g.setColorAt(1, Qt::white);
    p.fillRect(rect(), g);
}

bool PhotoStage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease && (watched == imgFoto || watched == panContainer)) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
