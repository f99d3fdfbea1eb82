#pragma once
// The date-import screen: a month calendar whose "Importa" writes the chosen
// date into the appointment card's date field. The caller creates it, marks
// it as called for the appointment date, shows it modally and destroys it.
#include <QDialog>
#include <QPointer>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);

    // The mark: the appointment card's date field that "Importa" fills, and
    // whose date the calendar shows selected. Without it "Importa" does nothing.
    void markForAppointmentDate(QLineEdit *txtData);

    QLabel *lblImporta;
    QCalendarWidget *calAppuntamenti;
    QPushButton *btnImportaData;
    QPushButton *btnAnnulla;

private:
    void btnImportaDataClick();
    QPointer<QLineEdit> m_appointmentDate;
};
