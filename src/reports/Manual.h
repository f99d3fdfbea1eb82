#pragma once
// The manual "Guida.pdf": every help text of the program, one chapter each,
// laid out by the report engine.
#include "core/text/HelpText.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Manual {

QString fileName(); // "Guida.pdf"

// Writes the manual of these chapters as a PDF file (replacing an earlier one).
bool write(const QList<HelpText> &chapters, const QString &pdfFile, QString *error = nullptr);

// The stamp of these help texts kept in the manual's document information
// (under stampKey()), telling which texts a manual was made from.
QString stamp(const QList<HelpText> &chapters);
QByteArray stampKey();

// Writes the manual into the program folder when it is not there or was made
// from other help texts; one made from these is left alone, and a failed
// write (a manual open in a viewer) keeps the old file. True when a manual is
// there afterwards.
bool ensureInProgramFolder(const QList<HelpText> &chapters);

} // namespace Manual
