#pragma once
// The small fixed dialog that starts a print or a preview of a card: an
// explanatory picture, btnStampa and btnAnnulla. Each card's launcher says
// what btnStampa does; the dialog closes after it either way.
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

class PrintLauncher : public QDialog {
    Q_OBJECT
public:
    PrintLauncher(QWidget *parent, const QString &caption, const QString &pictureTitle,
                  const QStringList &pictureLines, const QString &actionText);

    QLabel *imgIstruzioni;
    QPushButton *btnStampa;
    QPushButton *btnAnnulla;

protected:
    // Fills, prepares and prints or previews the report.
    virtual void run() = 0;

private:
    void btnStampaClick();
};
