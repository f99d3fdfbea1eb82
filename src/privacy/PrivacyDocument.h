#pragma once
// The consent document "Modulo_Privacy.rtf": fifty pieces written one after
// the other on a single line, the values of the screen in their bold slots.
// Its screen: privacy/Privacy.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace PrivacyDocument {

// A value as RTF text: "\", "{" and "}" escaped, characters Windows-1252
// lacks as Unicode escapes, so any value reads back exactly.
QString escaped(const QString &value);
// The pieces, values (by control name, trimmed) escaped into their slots.
QStringList pieces(const QMap<QString, QString> &values);
// The whole document in Windows-1252.
QByteArray bytes(const QMap<QString, QString> &values);

} // namespace PrivacyDocument
