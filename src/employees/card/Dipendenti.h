#pragma once
// The employee card: the only screen that creates or changes the employees of
// Archivio_Dipendenti.pro, with the employee's photo. Long-lived; every
// showing starts from a new, empty card.
// Drives employees/photo/EmployeePhoto; prints through StampaDipendenti and AnteprimaDipendenti.
#include "ui/lists/HandBack.h"
#include "ui/windows/ModuleWindow.h"

#include <QList>

#include <QImage>

class CardScreen;
struct CardDefinition;
struct CardField;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmDipendenti : public ModuleWindow {
    Q_OBJECT
public:
    explicit TfrmDipendenti(QWidget *parent = nullptr);

    CardScreen *card() const { return m_card; }
    // What the employee search hands back: the card filled, its number, its photo.
    HandBack showChosen();

    // The picture in the photo frame (what the next Salva writes).
    QImage photo() const { return m_photo; }
    void setPhoto(const QImage &picture);

    QLineEdit *txtDipendente, *txtSesso, *txtDataNasc, *txtCittadinanza, *txtLuogoNasc, *txtIndirizzo,
        *txtCitta, *txtCap, *txtNazione, *txtCodFisc, *txtCivile, *txtPartitaIva, *txtStudio, *txtLingue,
        *txtEmail, *txtTel, *txtCel, *txtQualifica, *txtReparto, *txtDisponibilita, *txtMansioni, *txtIban,
        *txtDataAss, *txtRetribuzione, *txtNote;
    QLabel *lblFile01, *lblFile02, *lblFile03, *lblDesc01, *lblDesc02, *lblDesc03; // hidden
    QLabel *lblPosizione, *panInfo;
    QLabel *imgFoto, *imgBianco;
    QPushButton *btnFocus; // hidden

    QToolButton *cmdNuovo, *cmdSalva, *cmdDuplica, *cmdTrova, *cmdFile, *cmdStampa, *cmdAnteprima,
        *cmdSlideshow, *cmdGuida, *cmdEsci;
    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QToolButton *btnLavori, *btnEmail, *btnCodFisc, *btnPartitaIva, *btnIban;
    QToolButton *btnWebcam, *btnCaricaFoto, *btnSalvaFoto, *btnCancFoto, *btnZoomFoto;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<CardField> fields();
    CardDefinition definition();
    void buildScreen(const QList<CardField> &fields);
    void loadPhoto(qint64 number);
    void savePhoto(qint64 number);
    void cmdTrovaClick();
    void btnLavoriClick();
    void btnEmailClick();

    CardScreen *m_card = nullptr;
    QImage m_photo;
    // The stored photo could not be read: Salva leaves its file as it is
    // until another picture is put into the frame.
    bool m_keepStoredPhoto = false;
};
