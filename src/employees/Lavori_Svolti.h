#pragma once
// " Registro prestazioni lavorative del dipendente": the work register of one
// employee (the activities of the work file named after the tax code), with
// its list, quick find, add, change and print. Opened by the employee card
// with the name and tax code the card shows.
#include <QDialog>

class ListEntry;
class ListPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmLavori_Svolti : public QDialog {
    Q_OBJECT
public:
    // taxCode must be one WorkFile::acceptsTaxCode accepts.
    TfrmLavori_Svolti(QWidget *parent, const QString &employee, const QString &taxCode);

    // List panel.
    QWidget *panContainer;
    QLabel *lblTitolo, *lblRigo01, *lblTotale;
    ListPanel *list; // txtTrova, btnTrova, lstRecords, lblRigo03, btnStampa, btnChiudi
    QPushButton *btnAggiungi, *btnModifica;
    // Edit panel.
    QWidget *panCosti;
    QLabel *titIstruzioni;
    QLineEdit *txtData, *txtAttivita, *txtLuogo, *txtOrario, *txtTotOre;
    QToolButton *impOggi;
    QPushButton *btnSalva, *cmdClose;
    QLabel *lblPosizione, *lblFile; // hidden

    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildList();

    QString m_employee;
    QString m_taxCode;
    ListEntry *m_entry;
};
