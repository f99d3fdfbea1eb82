#pragma once
// The client card report "repScheda", filled from the card as it is on the
// screen (saved or not): a record of Archives::clients().
// Its screen: clients/Clienti.
#include "core/records/RecordLayout.h"

class QWidget;
class ReportEngine;

namespace ClientPrint {

enum class Output { Paper, Pdf }; // the PDF names row 22 "Zona di appartenenza:"

// Loads the template, turns it to portrait and fills every object; false when
// the template cannot be loaded or lacks an object.
bool fill(ReportEngine &engine, const Record &client, Output output = Output::Paper);

bool print(QWidget *parent, const Record &client);
bool preview(QWidget *parent, const Record &client);
// Writes "Contatto.pdf" in the program folder, asks whether to open it and
// opens it unless the answer is No. A report that cannot be made shows the
// engine's reason; a file that cannot be written shows pdfNotWrittenText().
bool pdf(QWidget *parent, const Record &client);
QString pdfNotWrittenText();

} // namespace ClientPrint
