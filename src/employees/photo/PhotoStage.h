#pragma once
// The full-screen photo screens (zoom and slideshow): a steel-blue to white
// background, a centred panel `panContainer` with the picture `imgFoto`
// fitted to the screen less a margin, proportions kept; a click on the
// picture or the panel closes the screen.
#include <QDialog>
#include <QImage>

class QLabel;

class PhotoStage : public QDialog {
    Q_OBJECT
public:
    PhotoStage(QWidget *parent, const QString &caption);

    QWidget *panContainer;
    QLabel *imgFoto;

    // The picture shown (fitted to the stage when the screen is on show).
    void setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }
    // The area the picture is fitted into: the screen less 60 by 90.
    QSize stageSize() const;

protected:
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();
    QImage m_picture;
};
