#pragma once
// " Riepilogo servizi forniti": the services supplied to one stored client,
// kept in the services file named after the client's record number, with the
// total of the amounts, the entry panel to add or change a service, the quick
// find and the printed summary.
#include <QDialog>

class ListEntry;
class ListPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmAllegaExcel : public QDialog {
    Q_OBJECT
public:
    // The client's record number (its services file) and its name as on the card.
    TfrmAllegaExcel(QWidget *parent, qint64 clientNumber, const QString &clientName);

    // List panel.
    QWidget *panContainer;
    QLabel *lblTitolo, *lblRigo01, *lblTotale;
    ListPanel *list; // txtTrova, btnTrova, lstRecords, lblRigo03, btnStampa, btnChiudi
    QPushButton *btnAggiungi, *btnModifica;
    // Entry panel.
    QWidget *panCosti;
    QLabel *titIstruzioni;
    QLineEdit *txtData, *txtOra, *txtServizi, *txtAgente, *txtImporto;
    QToolButton *impData, *impOra;
    QPushButton *btnSalva, *cmdClose;
    QLabel *lblPosizione; // hidden: the service being edited, empty for a new one
    QLabel *lblFile;      // hidden: the services file

    void buildList(); // the lines and the total, from the services file
    void btnAggiungiClick();
    void btnModificaClick();
    bool btnSalvaClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    qint64 m_client;
    QString m_name;
    class QStackedWidget *m_stack;
    ListEntry *m_entry;
};
