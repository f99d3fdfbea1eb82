#pragma once
// " Riepilogo servizi forniti" (`TfrmAllegaExcel`, a services list): the
// services supplied to one stored client, kept in the services file named
// after the client's record number, with the total of the amounts, the entry
// panel to add or change a service, the quick find and the printed summary.
#include "ui/lists/ListEntry.h"

class TfrmAllegaExcel : public ListEntry {
    Q_OBJECT
public:
    // The client's record number (its services file) and its name as on the card.
    TfrmAllegaExcel(QWidget *parent, qint64 clientNumber, const QString &clientName);

    QLineEdit *txtData, *txtOra, *txtServizi, *txtAgente, *txtImporto;
    QToolButton *impData, *impOra;

    // The text beside the total for n services whose amount cannot be read.
    static QString leftOutText(int n);

    void buildList(); // the lines and the total, from the services file
    void btnAggiungiClick() { add(); }
    void btnModificaClick() { change(); }
    bool btnSalvaClick() { return save(); }
    void btnStampaClick();

protected:
    void refresh() override { buildList(); }

private:
    qint64 m_client;
    QString m_name;
};
