#pragma once
// A filled document sent out: a new engine filled by the document's own fill
// (its template and values), laid out on pages, then printed through the
// print dialog or shown in the preview window. Every print file of the
// program (the cards, the contract, the planner's week, the year's overview)
// only fills; this is the one way out to paper or screen.
#include <QString>

#include <functional>

class QWidget;
class ReportEngine;

namespace ReportOutput {

// Loads the template and sets its objects; false when the template cannot be
// loaded or lacks an object (the engine's errorString() says which).
using Fill = std::function<bool(ReportEngine &)>;

struct Outcome {
    bool made = false; // filled and laid out on pages
    bool done = false; // and printed (or the print dialog cancelled), or shown
    QString why;       // the engine's reason when it was not made
};

Outcome print(QWidget *parent, const Fill &fill);
Outcome preview(QWidget *parent, const Fill &fill); // returns once the preview is closed

} // namespace ReportOutput
