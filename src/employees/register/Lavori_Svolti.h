#pragma once
// " Registro prestazioni lavorative del dipendente": the work register of one
// employee (the activities of the work file named after the tax code), with
// its list, quick find, add, change and print. Opened by the employee card
// with the name and tax code the card shows.
// Drives employees/register/WorkFile (the file) and WorkLine (the line).
#include "ui/lists/ListEntry.h"

class TfrmLavori_Svolti : public ListEntry {
    Q_OBJECT
public:
    // taxCode must be one WorkFile::acceptsTaxCode accepts.
    TfrmLavori_Svolti(QWidget *parent, const QString &employee, const QString &taxCode);

    QLineEdit *txtData, *txtAttivita, *txtLuogo, *txtOrario, *txtTotOre;
    QToolButton *impOggi;

    void btnAggiungiClick() { add(); }
    void btnModificaClick() { change(); }
    void btnSalvaClick() { save(); }
    void btnStampaClick();

protected:
    void refresh() override { buildList(); }

private:
    void buildList();
    bool checkDate();

    QString m_employee;
    QString m_taxCode;
};
