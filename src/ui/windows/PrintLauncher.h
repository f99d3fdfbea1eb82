#pragma once
// The small fixed dialog that starts a print or a preview of a card: an
// explanatory picture, btnStampa and btnAnnulla. Every card's print and
// preview screen is this dialog configured with its document (the picture's
// words, the report's fill, the warning when it fails); btnStampa sends the
// document out through reports/ReportOutput and the dialog closes either way.
#include "reports/ReportOutput.h"

#include <QDialog>

class QLabel;
class QPushButton;

class PrintLauncher : public QDialog {
    Q_OBJECT
public:
    // Paper: " Stampa documento", btnStampa "Stampa", the print dialog.
    // Preview: " Anteprima di stampa", btnStampa "Mostra anteprima", the preview window.
    enum class Output { Paper, Preview };
    struct Document {
        QString pictureTitle;    // the picture's title; the caption's words when empty
        QString purpose;         // the picture's first line: what btnStampa does
        ReportOutput::Fill fill; // the report's template and values
        QString failureText;     // warned when it fails; none: the print dialog tells its own problems
    };

    PrintLauncher(QWidget *parent, Output output, Document document);

    QLabel *imgIstruzioni;
    QPushButton *btnStampa;
    QPushButton *btnAnnulla;

private:
    void btnStampaClick();

    Output m_output;
    Document m_document;
};
