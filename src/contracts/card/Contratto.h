#pragma once
// The contract screen: composes the cleaning-service contracts of
// Contratti.pro. The company's own data come from Contratti.ini every time the
// screen is shown and go back there when it closes. Long-lived.
// Drives contracts/card/ContractNumber, ContractSettings and ContractVisits; prints through
// contracts/print/StampaCon and AnteprimaCon.
#include "contracts/card/ContractNumber.h"
#include "ui/windows/ModuleWindow.h"
#include "ui/settings/SettingsForm.h"

#include <optional>

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
        *cmdPianifica, *cmdNumerazione, *cmdLogo, *cmdEsporta, *cmdGuida, *cmdEsci;
    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QToolButton *cmdImporta, *btnData, *btnPartitaIva, *btnCodFisc, *btnPartitaIvaCli, *btnCodFiscCli;

    static QString companyNotSavedText();

    // New contract: the proposed number, today's date, an empty client block.
    void cmdNuovoClick();
    // What Salva says when the proposed number went to a contract another
    // station saved meanwhile, and the card took the next one.
    static QString renumberedText(qint64 proposed, qint64 saved);
    // Copies the nine client fields of a client record (Contatti.pro).
    void importClient(const class Record &client);
    // The contract's visits planned as repeated appointments; the contract is not changed.
    void cmdPianificaClick();
    static QString noClientToPlanText();

protected:
    void showEvent(QShowEvent *event) override;
    void moduleClosing() override;

private:
    void buildScreen();
    void buildCard();
    bool dateIsValid();
    // Salva of a new card, under the archive's lock: a number still as
    // proposed becomes the one after the contracts stored now.
    void numberOnAppend(qint64 count, class Record &record);

    CardScreen *m_card = nullptr;
    // The company's data in Contratti.ini: read on showing, written on closing.
    SettingsForm m_company;
    // The number Nuovo proposed, while the card shows it and is not saved.
    std::optional<ContractNumber::Proposal> m_proposal;
    // Set by the last save that had to take another number: {proposed, saved}.
    std::optional<std::pair<qint64, qint64>> m_renumbered;
};
