#pragma once
// What the four check tools share: a modal dialog with a title band, the
// instruction lblTitolo, one field, btnControlla and btnChiudi, and no window
// close box. A length warning keeps the screen open with the focus back in
// the field; a verdict closes it.
#include "validators/CheckArt.h"
#include "validators/FieldRules.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

struct CheckLook {
    QString caption; // window caption, with its leading blank
    CheckArt::Emblem emblem;
    QString bandTitle;   // painted in the title band
    QString bandLine;    // the band's subtitle
    QString instruction; // lblTitolo
    QString fieldLabel;  // the caption beside the field
    QString fieldName;   // object name of the field ("txtCodFisc")
    QString fieldHint;   // a short note under the field
    int maxLength;
    FieldRules::Rules rules;
};

class CheckScreen : public QDialog {
    Q_OBJECT
public:
    QLabel *lblTitolo;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;

    // Puts the opener's value into the field (see FieldRules::fill).
    void fill(const QString &value);
    virtual void btnControllaClick() = 0;

protected:
    CheckScreen(const CheckLook &look, QWidget *parent);
    QLineEdit *field() const { return m_field; }
    // After a length warning: the user corrects the field.
    void backToField();
    void showEvent(QShowEvent *event) override;

    // What every opener does: a new screen owned by parent, the trimmed value
    // in its field, shown modally and destroyed when it closes.
    template <class Screen> static void openWith(QWidget *parent, const QString &value) {
        QPointer<Screen> screen = new Screen(parent);
        screen->fill(trimmed(value));
        screen->exec();
        delete screen.data();
    }

private:
    static QString trimmed(const QString &value);
    QLineEdit *m_field;
    FieldRules *m_rules;
};
