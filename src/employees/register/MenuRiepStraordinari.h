#pragma once
// " Tersalia - Riepilogo Ore di Lavoro": the employee's tax code (typed or
// imported from the employee search) and the interval, each end chosen as
// day, month name and year. Long-lived; every showing starts afresh.
// Opens employees/register/RiepStraordinari on the work file WorkFile names.
#include "ui/windows/ModuleWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmMenuRiepStraordinari : public ModuleWindow {
    Q_OBJECT
public:
    explicit TfrmMenuRiepStraordinari(QWidget *parent = nullptr);

    // "01" for "Gennaio" ... "12" for "Dicembre" (any a-z case, trimmed); empty otherwise.
    static QString monthNumber(const QString &name);

    QLabel *lblCampo01, *lblCampo02, *lblCampo03;
    QLineEdit *txtCliente;
    QToolButton *btnCodFisc;
    QGroupBox *grpDataInizio, *grpDataFine;
    QComboBox *txtGiornoInizio, *txtMeseInizio, *txtGiornoFine, *txtMeseFine;
    QLineEdit *txtAnnoInizio, *txtAnnoFine;
    QPushButton *btnVisualizza, *btnEsci;
    QToolButton *imgGuida;
    QLabel *lblAttendere, *lblDataInizio, *lblDataFine; // hidden

    void btnVisualizzaClick();
    void btnCodFiscClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *dateGroup(const QString &title, const char *day, const char *month, const char *year,
                         QComboBox *&dayBox, QComboBox *&monthBox, QLineEdit *&yearEdit);
    void stop(const QString &text, QWidget *focus, bool plain);
};
