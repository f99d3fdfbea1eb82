#pragma once
// "Ripeti appuntamento": an appointment repeated every N days, weeks (on the
// weekdays ticked) or months, up to a date or for a number of visits, each
// visit a line of lstDate. "Crea appuntamenti" appends them all to
// Archivio_Appuntamenti.pro in one append (the appointment itself first when
// it is not in the archive yet), or none. A satellite of the appointment card
// and of the contract screen.
// Drives appointments/repetition/Recurrence (the dates of the series).
#include "appointments/repetition/Recurrence.h"
#include "core/records/RecordLayout.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

class TfrmRipetizione : public QDialog {
    Q_OBJECT
public:
    // The appointment as it would be stored (its date is the first visit's);
    // ownIsNew: it is not in the archive yet, so Crea appends it too.
    TfrmRipetizione(QWidget *parent, const Record &appointment, bool ownIsNew);

    // For an appointment made elsewhere (a contract's visits): its date, time,
    // operator, services and mobile, shown in the band APPUNTAMENTO, can be
    // changed before Crea (from the card they are shown as the card holds
    // them, and changed there); its first visit may not lie before today.
    void allowChanges();
    // The window's caption and the banner's words (the card's: " Ripeti
    // appuntamento").
    void setTitle(const QString &caption, const QString &bannerTitle, const QStringList &bannerLines);

    // The repetition shown (weekdays 0: the first visit's weekday).
    void setRule(const Recurrence::Rule &rule);
    Recurrence::Rule rule() const;

    // After Crea has written the records: the number of the first one.
    std::function<void(qint64 firstNumber)> afterWrite;

    static QString insertedText(int count);
    static QString nothingToInsertText();
    static QString tooManyText();
    static QString noEndDateText();
    static QString noFirstDateText(); // the appointment card's
    static QString firstBeforeTodayText();

    QLabel *lblAppuntamento, *lblTotale;
    QLineEdit *txtOgni, *txtFino, *txtVolte;
    QComboBox *cmbUnita;
    QCheckBox *chkLun, *chkMar, *chkMer, *chkGio, *chkVen, *chkSab, *chkDom, *chkFestivi;
    QRadioButton *optFino, *optVolte;
    QToolButton *impFino;
    QListWidget *lstDate;
    QPushButton *cmdCrea, *cmdChiudi;
    // The band APPUNTAMENTO: read only unless allowChanges().
    QLineEdit *txtData, *txtTipologia, *txtCausale, *txtCel;
    QComboBox *txtOreApp, *txtMinutiApp;
    QToolButton *impData;

    void cmdCreaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildScreen();
    class CardBand *appointmentBand(QWidget *background);
    // The first required field (the card's, in its order) left empty: its
    // warning is shown; false then.
    bool requiredFieldsGiven();
    QCheckBox *weekday(int dayOfWeek) const;
    void refresh();
    void describe();
    // The fields of allowChanges() into the appointment.
    void takeChanges();
    void impFinoClick();
    // The records Crea appends, in order.
    QList<QByteArray> records(const QList<Recurrence::Visit> &visits) const;

    Record m_appointment;
    bool m_ownIsNew;
    bool m_changes = false;
    QWidget *m_banner = nullptr;
    QDate m_first;
    QString m_time;
    class QVBoxLayout *m_layout = nullptr;
    class InputRules *m_rules = nullptr;
};
