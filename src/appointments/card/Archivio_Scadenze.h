#pragma once
// The appointment card: the only screen that creates or changes the
// appointments of Archivio_Appuntamenti.pro. Long-lived; every showing starts
// from a new, empty card.
// Prints through StampaScadenza and Startup (appointments/card/AppointmentPrint).
#include "ui/windows/ModuleWindow.h"

#include <QList>

class CardScreen;
struct CardDefinition;
struct CardField;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;

class TfrmArchivio_Scadenze : public ModuleWindow {
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(QWidget *parent = nullptr);

    // The card mechanism: paging, Nuovo, Salva, Duplica and loading a record
    // (the search screen and the summaries load through it).
    CardScreen *card() const { return m_card; }

    QLineEdit *txtData;
    QComboBox *txtOreApp, *txtMinutiApp;
    QLineEdit *txtAvviso, *txtTipologia, *txtCausale, *txtDettagli, *txtContatto, *txtTel, *txtCel, *txtEmail,
        *txtLuogo, *txtImporto, *txtNote;
    QCheckBox *chkOttemperata;
    QLabel *lblOra; // hidden holder of the derived time text
    QLabel *lblPosizione, *panInfo;

    QToolButton *cmdNuovo, *cmdDuplica, *cmdRipeti, *cmdSalva, *cmdTrova, *cmdAnteprima, *cmdStampa,
        *cmdAssolti, *cmdDaAssolvere, *cmdScaduti, *cmdEsporta, *cmdGuida, *cmdEsci;
    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QToolButton *impData, *impContatto, *btnWhatsApp, *btnEmail;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<CardField> fields();
    CardDefinition definition();
    void buildScreen(const QList<CardField> &fields);
    bool txtDataKeyDown(QKeyEvent *e);
    void impDataClick();
    void btnEmailClick();
    void btnWhatsAppClick();
    void cmdGuidaClick();
    void cmdRipetiClick();

    CardScreen *m_card = nullptr;
};
