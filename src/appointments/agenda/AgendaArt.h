#pragma once
// The agenda's own pictures, painted at run time: the speech bubbles and the
// two persons of the message area, and the instruction beside the calendar.
#include <QColor>
#include <QPixmap>
#include <QString>

namespace AgendaArt {

// A rounded speech bubble holding text, its tail pointing down to the right.
QPixmap speechBubble(const QString &text, const QColor &color, QSize size);
// A person; alert: one arm raised to draw attention, otherwise arms at rest.
QPixmap person(bool alert, QSize size);
// The instruction to pick a date in the calendar and use the buttons below it.
QPixmap instruction(QSize size);

} // namespace AgendaArt
