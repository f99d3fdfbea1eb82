#pragma once
// A card's sections in a scroll area: on a small office screen the sections
// keep their natural height and the area scrolls instead of squeezing the rows
// into each other; the field that takes the focus (Enter, Tab, a check that
// sends the user back to it) is always scrolled into view.
class QLayout;
class QScrollArea;
class QWidget;

namespace ScrollingForm {

// The sections laid out by form, in a frameless, transparent scroll area
// (object name "scrSezioni") that never takes the focus itself.
QScrollArea *wrap(QLayout *form, QWidget *parent);

} // namespace ScrollingForm
