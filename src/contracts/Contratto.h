#pragma once
// The contract screen: composes the cleaning-service contracts of
// Contratti.pro. The company's own data come from Contratti.ini every time the
// screen is shown and go back there when it closes. Long-lived.
#include "ui/ModuleWindow.h"

class CardScreen;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TfrmContratto : public ModuleWindow {
    Q_OBJECT
public:
    explicit TfrmContratto(QWidget *parent = nullptr);

    CardScreen *card() const { return m_card; }

    // Company, contract, client, property and terms, activities.
    QLineEdit *txtDitta, *txtPartitaIva, *txtCodFisc, *txtSede, *txtCapRes, *txtVia, *txtTelUff, *txtTelCel,
        *txtFax;
    QComboBox *txtProvRes;
    QLineEdit *txtNumContratto, *txtData, *txtLuogo;
    QLineEdit *txtCliente, *txtComuneCli, *txtCapCli, *txtPartitaIvaCli, *txtCodFiscCli, *txtViaCli,
        *txtTelCli;
    QComboBox *txtProvCli, *txtQualitaCli;
    QLineEdit *txtTipoImpianto, *txtMarca, *txtMatricola, *txtAlimentazione, *txtAnnoCostruz,
        *txtCaratteristiche, *txtUbicazione, *txtDurata, *txtTotale, *txtImpCanone, *txtPagamento;
    QComboBox *txtPeriodicita;
    QLineEdit *txtOpInc[4], *txtOpEsc[4];
    // Hidden state: attachments of the card, the first contract number.
    QLabel *lblFile[3], *lblDesc[3], *lblInizio;
    QLabel *lblPosizione, *panInfo;

    QToolButton *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova, *cmdAllega, *cmdAnteprima, *cmdStampa,
        *cmdNumerazione, *cmdLogo, *cmdEsporta, *cmdGuida, *cmdEsci;
    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QToolButton *cmdImporta, *btnData, *btnPartitaIva, *btnCodFisc, *btnPartitaIvaCli, *btnCodFiscCli;

    static QString companyNotSavedText();

    // New contract: the proposed number, today's date, an empty client block.
    void cmdNuovoClick();
    // Copies the nine client fields of a client record (Contatti.pro).
    void importClient(const class Record &client);

protected:
    void showEvent(QShowEvent *event) override;
    void moduleClosing() override;

private:
    void buildScreen();
    void buildCard();
    void readCompany();
    bool writeCompany();
    bool dateIsValid();

    CardScreen *m_card = nullptr;
    // The company data could not be written on closing: the next showing
    // keeps what the user typed instead of reading the settings file again.
    bool m_companyUnsaved = false;
};
