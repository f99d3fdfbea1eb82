#pragma once
// Process-wide formats: "dd/mm/yyyy" dates, "," decimals and the long time
// format, whatever the machine's regional settings say.
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

namespace Formats {

// Makes the Italian conventions the process default (called by every screen
// that reads or writes dates or amounts when it is created; idempotent).
void install();

QString dateText(const QDate &d);      // "dd/mm/yyyy"
QString longTimeText(const QTime &t);  // "hh:mm:ss"
QString shortTimeText(const QTime &t); // "hh:mm"
// Reads a day/month/year date ("1/2/2024" and "01/02/2024" alike); an invalid
// QDate when the text is not a date.
QDate parseDate(const QString &text);
// The same for a field's trimmed Windows-1252 bytes, as a scan reads them.
QDate parseDate(QByteArrayView trimmed);
// A whole number in a field's trimmed bytes: an optional sign and one to nine
// digits, nothing else (QString::toInt's answer for such text, read without
// making a string; ok is false for anything else).
int parseInt(QByteArrayView trimmed, bool *ok);

// Whether trimmed text is a plain decimal number: an optional sign, digits,
// and at most one separator (the comma, or also the point when pointToo)
// with digits on at least one side of it. The one shape behind parseDecimal
// and the stored amounts' reading; checked by hand, as lists ask it of every
// record.
bool isDecimalShape(QStringView trimmed, bool pointToo);

// Decimal numbers with the comma: parse accepts "," (and "." as the same), no
// thousands separators; ok is false for anything else.
double parseDecimal(const QString &text, bool *ok);
// A number with the comma and no thousands separator: with a number of
// decimals, or else in its shortest form to 15 significant digits, so a sum
// reads as it was meant (0,1 + 0,2 gives "0,3", 37 gives "37").
QString decimalText(double value, int decimals = -1);
// An amount as a report shows it: rounded half up to cents, a dot between
// thousands and two decimals after the comma ("1.250,00", "-3,50").
QString groupedAmountText(double value);
// The same text of an amount kept in cents.
QString groupedCentsText(qint64 cents);

} // namespace Formats
