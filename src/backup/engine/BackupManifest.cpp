#include "backup/engine/BackupManifest.h"

#include "backup/engine/EscapedText.h"
#include "core/text/TextRules.h"

#include <QSet>

namespace {

const QByteArray kTitle = "Tersalia - copia di sicurezza degli archivi";
const QByteArray kDate = "Data: ";
const QByteArray kVersion = "Versione del programma: ";
const QByteArray kCount = "File: ";
const QByteArray kHeader = "Dimensione (byte)\tCRC-32\tFile";
const QString kDateFormat = QStringLiteral("dd/MM/yyyy HH:mm");

bool hasPrefix(const QByteArray &line, const QByteArray &prefix, QByteArray *rest) {
    if (!line.startsWith(prefix))
        return false;
    *rest = line.mid(prefix.size());
    return true;
}

} // namespace

QString BackupManifest::fileName() { return QStringLiteral("Tersalia_Copia.txt"); }

qint64 BackupManifest::totalSize() const {
    qint64 total = 0;
    for (const BackupEntry &e : entries)
        total += e.size;
    return total;
}

const BackupEntry *BackupManifest::find(const QString &path) const {
    for (const BackupEntry &e : entries)
        if (e.path == path)
            return &e;
    return nullptr;
}

QByteArray BackupManifest::toBytes() const {
    QByteArray out;
    const auto line = [&out](const QByteArray &text) { out += text + "\r\n"; };
    line(kTitle);
    line(kDate + made.toString(kDateFormat).toLatin1());
    line(kVersion + Text::toCp1252(version));
    line(kCount + QByteArray::number(entries.size()));
    line(QByteArray());
    line(kHeader);
    for (const BackupEntry &e : entries)
        line(QByteArray::number(e.size) + '\t' +
             QByteArray::number(e.crc, 16).toUpper().rightJustified(8, '0') + '\t' +
             EscapedText::escaped(e.path));
    return out;
}

std::optional<BackupManifest> BackupManifest::parse(const QByteArray &bytes) {
    if (!bytes.endsWith("\r\n"))
        return std::nullopt;
    QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
    for (QByteArray &l : lines) {
        if (!l.endsWith('\r') && &l != &lines.last())
            return std::nullopt;
        if (l.endsWith('\r'))
            l.chop(1);
    }
    if (lines.size() < 6 || lines[0] != kTitle || !lines[4].isEmpty() || lines[5] != kHeader)
        return std::nullopt;
    BackupManifest m;
    QByteArray date, version, count;
    if (!hasPrefix(lines[1], kDate, &date) || !hasPrefix(lines[2], kVersion, &version) ||
        !hasPrefix(lines[3], kCount, &count))
        return std::nullopt;
    m.made = QDateTime::fromString(QString::fromLatin1(date), kDateFormat);
    m.version = Text::fromCp1252(version);
    bool ok = false;
    const qint64 n = count.toLongLong(&ok);
    if (!m.made.isValid() || !ok || n != lines.size() - 6)
        return std::nullopt;
    QSet<QString> seen;
    for (qsizetype i = 6; i < lines.size(); ++i) {
        const QList<QByteArray> cols = lines[i].split('\t');
        if (cols.size() != 3 || cols[1].size() != 8)
            return std::nullopt;
        bool sizeOk = false, crcOk = false;
        BackupEntry e;
        e.size = cols[0].toLongLong(&sizeOk);
        e.crc = cols[1].toUInt(&crcOk, 16);
        const std::optional<QString> name = EscapedText::unescaped(cols[2]);
        if (!sizeOk || !crcOk || e.size < 0 || !name || name->isEmpty() || seen.contains(*name))
            return std::nullopt;
        e.path = *name;
        seen.insert(e.path);
        m.entries.append(e);
    }
    return m;
}
