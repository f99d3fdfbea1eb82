#pragma once
// The common shape of the information and credits screens: artwork, a link
// with its icon and "Chiudi".
#include <QDialog>

class QPushButton;
class LinkLabel;
class ClickableImage;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton *btnChiudi;
    LinkLabel *lnkWeb;
    ClickableImage *linkIcon;

protected:
    AboutDialog(QWidget *parent, const QString &caption, const QPixmap &artwork, const QPixmap &icon,
                const QString &iconName, const QString &linkText, const QString &command);
};
