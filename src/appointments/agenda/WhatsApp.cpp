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

QString internationalNumber(const QString &phone) {
    const QString typed = phone.trimmed();
    QString digits;
    for (const QChar c : typed)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    if (typed.startsWith(QLatin1Char('+')))
        return digits;
    if (digits.startsWith(QLatin1String("00")))
        return digits.mid(2);
    // An Italian mobile has 9 or 10 digits after the prefix and starts with 3.
    const bool italianMobile =
        (digits.size() == 9 || digits.size() == 10) && digits.startsWith(QLatin1Char('3'));
    return italianMobile ? QStringLiteral("39") + digits : digits;
}

QString sendLink(const QString &phone, const QString &text) {
    return QStringLiteral("https://web.whatsapp.com/send?phone=") +
           QString::fromLatin1(QUrl::toPercentEncoding(internationalNumber(phone))) +
           QStringLiteral("&text=") + QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace WhatsApp
