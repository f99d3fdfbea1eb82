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
// The number WhatsApp Web reaches: the digits of the stored number with the
// country code first. A number typed the Italian way (9 or 10 digits starting
// with 3, a mobile) takes the Italian prefix 39; one that has its
// international prefix ("+39…", "0039…", "39…" of 11 or 12 digits, another
// country's) keeps its digits, without "+" or "00".
QString internationalNumber(const QString &phone);
// The WhatsApp Web send link, "phone" (internationalNumber) and "text" in this
// order. Both values are percent-encoded (UTF-8): a blank or an apostrophe
// left as it is would cut the link short in a browser.
QString sendLink(const QString &phone, const QString &text);

} // namespace WhatsApp
