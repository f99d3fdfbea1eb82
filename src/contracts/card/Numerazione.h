#pragma once
// " Impostazione inizio numerazione": the first contract number, key "Inizio"
// of section "Numerazione Contratti" in Contratti.ini. Only the caller text
// "contratti" makes it read or write the value.
// Drives contracts/card/ContractSettings (the key "Inizio").
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmNumerazione : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *parent = nullptr);

    static QString notSavedText();

    QLabel *imgIstruzioni;
    QGroupBox *grpNumerazione;
    QLineEdit *txtInizio;
    QPushButton *btnApplica, *btnAnnulla;
    QLabel *lblMemory; // hidden: the caller text

    void txtInizioExit();
    void btnApplicaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool forContracts() const;
};
