#pragma once
// The contract screen: composes the cleaning-service contracts of
// Contratti.pro. The company's own data come from Contratti.ini every time the
// screen is shown and go back there when it closes. Long-lived.
// Drives contracts/card/ContractNumber (through ContractRenumbering), ContractSettings (through
// ContractCompany) and ContractVisits (through ContractPlanning); prints through
// contracts/print/StampaCon and AnteprimaCon.
#include "contracts/card/ContractCompany.h"
#include "contracts/card/ContractRenumbering.h"
#include "ui/windows/ModuleWindow.h"

#include <QList>

#include <optional>

class CardScreen;
struct CardDefinition;
struct CardField;
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
        *cmdPianifica, *cmdNumerazione, *cmdLogo, *cmdEsporta, *cmdGuida, *cmdEsci;
    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QToolButton *cmdImporta, *btnData, *btnPartitaIva, *btnCodFisc, *btnPartitaIvaCli, *btnCodFiscCli;

    // New contract: the proposed number, today's date, an empty client block.
    void cmdNuovoClick();
    // Copies the nine client fields of a client record (Contatti.pro).
    void importClient(const class Record &client);
    // The contract's visits planned as repeated appointments; the contract is not changed.
    void cmdPianificaClick();

protected:
    void showEvent(QShowEvent *event) override;
    void moduleClosing() override;

private:
    QList<CardField> fields();
    CardDefinition definition();
    void buildScreen(const QList<CardField> &fields);
    void connectCommands();
    bool dateIsValid();

    CardScreen *m_card = nullptr;
    // The company's data in Contratti.ini: read on showing, written on closing.
    std::optional<ContractCompany> m_company;
    ContractRenumbering m_numbering;
};
