#pragma once
// The manual "Guida.pdf": every help text of the program, one chapter each,
// laid out by the report engine.
#include "core/HelpText.h"

#include <QList>
#include <QString>

namespace Manual {

QString fileName(); // "Guida.pdf"

// Writes the manual of these chapters as a PDF file (replacing an earlier one).
bool write(const QList<HelpText> &chapters, const QString &pdfFile, QString *error = nullptr);

// Writes the manual into the program folder when it is not there; an existing
// file is left alone. True when the manual is there afterwards.
bool ensureInProgramFolder(const QList<HelpText> &chapters);

} // namespace Manual
