#pragma once
// The client card: the only screen that creates or changes the clients of
// Contatti.pro. Long-lived; every showing starts from a new, empty card.
// Prints through clients/ClientPrint (Stampa, Anteprima, PDF).
#include "core/records/RecordLayout.h"
#include "ui/windows/ModuleWindow.h"

#include <QList>

class CardScreen;
struct CardDefinition;
struct CardField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TfrmClienti : public ModuleWindow {
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *parent = nullptr);

    // The card mechanism: paging, Nuovo, Salva, Duplica and loading a record
    // (the client search loads through it).
    CardScreen *card() const { return m_card; }

    QLineEdit *txtCliente, *txtDataNasc, *txtComuneNasc, *txtSesso, *txtRecapito, *txtIndirizzoRes,
        *txtComuneRes, *txtCapRes, *txtEstremi, *txtTelCasa, *txtTelUff, *txtTelCel, *txtFax, *txtEmail,
        *txtCodFisc, *txtCarta, *txtScadeCarta, *txtPartitaIva, *txtIban, *txtDocumento, *txtOccupazione,
        *txtCivile, *txtTitoli, *txtProdotti, *txtZona, *txtQuestioni, *txtNote;
    QComboBox *txtProvNasc, *txtProvRes;
    QCheckBox *chkRicontatta;
    QLabel *lblFile01, *lblFile02, *lblFile03, *lblDesc01, *lblDesc02, *lblDesc03; // hidden
    QLabel *lblPosizione, *panInfo;

    QToolButton *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova, *cmdAnteprima, *cmdStampa, *cmdPDF, *cmdFile,
        *btnProve, *cmdRicontatta, *cmdEsporta, *cmdGuida, *cmdEsci;
    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QToolButton *btnEmail, *btnCodFisc, *btnPartitaIva, *btnCarta, *btnIban, *btnPrivacy;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<CardField> fields();
    CardDefinition definition();
    void buildScreen(const QList<CardField> &fields);
    void cmdTrovaClick();
    void cmdFileClick();
    void btnEmailClick();
    void btnCodFiscClick();
    void btnProveClick();
    void btnPrivacyClick();
    // The card's values as they are on screen, saved or not.
    Record shownRecord() const;

    CardScreen *m_card = nullptr;
};
