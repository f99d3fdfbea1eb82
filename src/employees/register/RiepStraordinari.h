#pragma once
// " Tersalia - Riepilogo Ore di Lavoro", the result: the activities of one
// employee's work file dated within an interval (both ends included), their
// count and the total of their hours, with the quick find and the print.
// Drives employees/register/WorkFile (the file) and WorkLine (the line).
#include "ui/lists/ListDialog.h"

#include <QDate>

class QLabel;
class QToolButton;

class TfrmRiepStraordinari : public ListDialog {
    Q_OBJECT
public:
    // taxCode must be one WorkFile::acceptsTaxCode accepts; start <= end.
    TfrmRiepStraordinari(QWidget *parent, const QString &taxCode, const QString &start, const QString &end);

    QLabel *lblTipologia, *titTipologia, *infIntervallo, *lblIntervallo, *infTotKmPercorsi, *lblTotCosti;
    QLabel *lblTrovate, *lblFile;
    QToolButton *imgGuida;
    // list: txtTrova, btnTrova, lstRecords, btnStampa, btnEsci

    void btnStampaClick();
    // The total of some hours as shown: shortest decimal form, "," separator.
    static QString hoursText(double total);
    // The text beside the total for n activities whose date or hours cannot be read.
    static QString leftOutText(int n);

protected:
    void refresh() override { buildList(); }
    void showEvent(QShowEvent *e) override;

private:
    void buildList();

    QString m_taxCode, m_startText, m_endText;
    QDate m_start, m_end;
};
