#pragma once
// The program's help texts: a title and paragraphs, shown by TfrmGuida
// (joined by "\r\n\r\n") and printed as chapters of the manual Guida.pdf.
#include "core/text/HelpText.h"

#include <QList>

namespace HelpTexts {

HelpText mainHelp(); // "Uno sguardo a Tersalia"
// Every help text of the program, in the order of the manual.
QList<HelpText> manual();

} // namespace HelpTexts
