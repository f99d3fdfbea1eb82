#include "appointments/agenda/WhatsApp.h"

#include <QUrl>

namespace WhatsApp {

QString confirmationText(const QString &hours, const QString &minutes, const QString &date) {
    return QStringLiteral("Gentile Cliente, le confermiamo l'appuntamento fissato per le ore ") + hours +
           QLatin1Char(':') + minutes + QStringLiteral(" del giorno ") + date;
}

QString reminderText(const QString &time, const QString &date) {
    return QStringLiteral("Gentile Cliente, le ricordiamo l'appuntamento fissato per le ore ") + time +
           QStringLiteral(" del giorno ") + date;
}

QString sendLink(const QString &phone, const QString &text) {
    return QStringLiteral("https://web.whatsapp.com/send?phone=") +
           QString::fromLatin1(QUrl::toPercentEncoding(phone)) + QStringLiteral("&text=") +
           QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace WhatsApp
