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

// The program's month calendar: Italian names, weeks from Monday, a grid, no
// week numbers, on today's date. The date-import screen, the agenda and the
// week planner show it.
QCalendarWidget *monthCalendar(QWidget *parent, const char *name);

class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);

    // The mark: the appointment card's date field that "Importa" fills.
    // Without it "Importa" does nothing.
    void markForAppointmentDate(QLineEdit *txtData);

    QLabel *lblImporta;
    QCalendarWidget *calAppuntamenti;
    QPushButton *btnImportaData;
    QPushButton *btnAnnulla;

private:
    void btnImportaDataClick();
    QPointer<QLineEdit> m_appointmentDate;
};
