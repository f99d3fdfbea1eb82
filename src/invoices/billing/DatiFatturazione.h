#pragma once
// " Dati di fatturazione": how a client receives its invoices (recipient
// code, PEC) and how they are made out (public office, split payment, reverse
// charge), kept in Dati_Fatturazione.pro under the client's record number.
// A client with none yet is proposed "0000000", the card's PEC and, with a
// VAT number, the reverse charge.
#include "invoices/billing/BillingData.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmDatiFatturazione : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDatiFatturazione(QWidget *parent = nullptr);

    // The client whose data the screen shows: its record number, name, VAT
    // number, tax code and the card's PEC; reads what is kept.
    void setClient(qint64 client, const QString &name, const QString &vatNumber, const QString &taxCode,
                   const QString &cardPec);

    static QString savedText();

    QLabel *lblCliente;
    QLineEdit *txtCodiceDestinatario;
    QLineEdit *txtPecFatture;
    QCheckBox *chkPA;
    QCheckBox *chkScissione;
    QCheckBox *chkInversione;
    QPushButton *cmdSalva;
    QPushButton *cmdAnnulla;

    // Checks and keeps the data; false when a check failed or the file could
    // not be written (the user was told which).
    bool cmdSalvaClick();

private:
    void fill(const BillingData &data);
    BillingData m_data;
};
