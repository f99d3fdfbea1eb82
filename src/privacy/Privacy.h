#pragma once
// " Esporta e stampa Modulo Privacy": the consent form of a client, filled
// from the client card and the company's privacy settings
// (Liberatoria_Privacy.ini), written as the RTF document Modulo_Privacy.rtf.
// Drives privacy/PrivacyDocument.
#include "ui/settings/SettingsForm.h"

#include <QDialog>
#include <QMap>

#include <optional>

struct CardField;
class QComboBox;
class QLineEdit;
class QPushButton;

class TfrmPrivacy : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrivacy(QWidget *parent = nullptr);

    static QString settingsFile(); // "Liberatoria_Privacy.ini" in the program folder
    static QString documentFile(); // "Modulo_Privacy.rtf" in the program folder
    // What Crea file RTF and Chiudi say when their file cannot be written.
    static QString documentNotWrittenText();
    static QString settingsNotWrittenText();

    QLineEdit *txtStudioDent, *txtTelDent, *txtIvaDent, *txtCodFiscDent, *txtCittaDent, *txtIndirizzoDent,
        *txtCapDent, *txtPaziente, *txtComuneNasc, *txtDataNasc, *txtCodFisc, *txtComuneRes, *txtIndirizzo,
        *txtCapRes, *txtRecapito, *txtPrivacy, *txtData, *txtLuogo;
    QComboBox *txtProvDent, *txtProvNasc, *txtProvRes;
    QPushButton *btnRTF, *btnChiudi;

    // Every control's trimmed text by its name.
    QMap<QString, QString> values() const;
    void setValue(const char *control, const QString &text);

    bool btnRTFClick();    // true when the document was written
    bool btnChiudiClick(); // true when the settings were written

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QList<CardField> fields();

    QList<QWidget *> m_order;               // the Enter order
    std::optional<SettingsForm> m_settings; // the company's data in Liberatoria_Privacy.ini
};
