#pragma once
// " Impostazioni fatture": what the e-invoice needs of the company beyond the
// contract's company data (regime, bank, payment terms, the next
// ProgressivoInvio), kept in Fatturazione.ini by the shared settings form:
// read when shown, written and read back when closed.
#include "ui/settings/SettingsForm.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmImpostazioniFatture : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImpostazioniFatture(QWidget *parent = nullptr);

    static QString notSavedText();

    QLabel *lblDitta; // the company the invoices are from (Contratti.ini)
    QComboBox *cmbRegime;
    QLineEdit *txtIban;
    QLineEdit *txtBanca;
    QLineEdit *txtGiorni;
    QComboBox *cmbPagamento;
    QLineEdit *txtProgressivo;
    QPushButton *cmdChiudi;

    // Writes the settings and closes; false when they could not be written
    // (the user is told, and what was typed comes back at the next opening).
    bool cmdChiudiClick();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    std::optional<SettingsForm> m_settings; // made once the controls exist
    bool m_closing = false;
};
