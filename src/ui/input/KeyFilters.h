#pragma once
// The key rules of the card fields, as predicates on one key press. The card
// mechanism swallows a press its field's rule does not accept.
class QKeyEvent;

namespace KeyFilters {

// Return or the keypad's Enter.
bool isEnter(const QKeyEvent *e);
// Keys that move between controls (Tab, Shift+Tab) or only hold a modifier:
// they belong to the window, never to a field's filter.
bool isWindowKey(const QKeyEvent *e);
// The digit filter: 0 to 9, Backspace, Delete, Left and Right.
bool digitAccepts(const QKeyEvent *e);
// The amount filter: the digit filter plus the comma.
bool amountAccepts(const QKeyEvent *e);

} // namespace KeyFilters
