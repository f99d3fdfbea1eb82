#pragma once
// What other modules use of the clients: the client search, opened with a
// caller text ("scadenze", "contratto"); the client chosen with a double-click
// is handed back to the opener as a record of Contatti.pro (its fields read by
// name through Archives::clients()).
#include "ui/lists/HandBack.h"

class QString;
class QWidget;

namespace ClientSearch {
void open(QWidget *opener, const QString &callerText, HandBack handBack);
} // namespace ClientSearch
