#pragma once
// " Impostazione logo": chooses the company logo printed on the contracts and
// writes it as Logo.bmp in the program folder.
// Drives contracts/print/ContractLogo.
#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QToolButton;

class TfrmLogo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *parent = nullptr);

    static QString notSavedText();
    static QString unreadableText(const QString &fileName);
    static QString dialogTitle();
    static QString dialogFilter();

    // The picture shown, at its own pixel size: what Applica writes.
    const QImage &picture() const { return m_picture; }

    QLabel *imgIstruzioni;
    QLabel *imgLogo;
    QPushButton *btnSfoglia, *btnApplica, *btnAnnulla;
    QToolButton *btnCancLogo, *imgEuro;

    void btnSfogliaClick();
    void btnApplicaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPicture(const QImage &picture);

    QImage m_picture;
};
