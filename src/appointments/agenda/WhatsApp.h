#pragma once
// Messages to a client through WhatsApp Web: the program only builds the
// send link (number and pre-written text) and hands it to the desktop.
// Its screens: WhatsApp_Message and the appointment card (Archivio_Scadenze).
#include <QString>

namespace WhatsApp {

// The confirmation sent from the appointment card.
QString confirmationText(const QString &hours, const QString &minutes, const QString &date);
// The reminder sent from the agenda, with the appointment's stored time text.
QString reminderText(const QString &time, const QString &date);
// The WhatsApp Web send link, "phone" and "text" in this order. Both values
// are percent-encoded (UTF-8): a blank or an apostrophe left as it is would
// cut the link short in a browser.
QString sendLink(const QString &phone, const QString &text);

} // namespace WhatsApp
