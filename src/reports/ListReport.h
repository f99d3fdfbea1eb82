#pragma once
// The list report shared by every list screen: the screen's title, its result
// lines in the list's order and the print date, on A4 landscape pages.
#include <QString>
#include <QStringList>

class QWidget;
class ReportEngine;

namespace ListReport {

// Height of one line of the list, in report units.
constexpr double lineHeight = 12.822;
// What the list band adds below the lines.
constexpr double bandExtra = 10;

// Loads the list report's template into engine and fills it (title, print
// date line, lines and heights); false when the template cannot be loaded.
bool fill(ReportEngine &engine, const QString &title, const QStringList &lines);

// Fills, prepares and prints through the print dialog. The list report
// reports nothing: false only tells a caller that printing failed.
bool print(QWidget *parent, const QString &title, const QStringList &lines);
// Fills, prepares and shows the preview window.
void preview(QWidget *parent, const QString &title, const QStringList &lines);

} // namespace ListReport
