#include "backup/engine/RestoreJournal.h"

#include "backup/engine/EscapedText.h"

namespace {
const QByteArray kTitle = "Tersalia - ripristino dei dati in corso";
const QByteArray kStage = "Fase: ";
const QByteArray kReading = "lettura della copia";
const QByteArray kReplacing = "sostituzione dei file";
const QByteArray kCopy = "Copia: ";
const QByteArray kBefore = "Copia dei dati precedenti: ";
const QByteArray kAside = "Accantonati: ";
const QByteArray kRestored = "File da ripristinare: ";
const QByteArray kSetAside = "File da accantonare: ";
const QByteArray kEnd = "Fine";
// A line of the list: "S\t<size>\t<CRC-32>\t<name>" for a file of the copy
// that takes the place of one of the folder ("N\t..." for one the folder
// lacks), "A\t<name>" for a file set aside.
const char kReplacesTag = 'S', kNewTag = 'N', kSetAsideTag = 'A';

std::optional<QString> field(const QByteArray &line, const QByteArray &prefix) {
    if (!line.startsWith(prefix))
        return std::nullopt;
    return EscapedText::unescaped(line.mid(prefix.size()));
}
} // namespace

QString RestoreJournal::fileName() { return QStringLiteral("Ripristino_in_corso.txt"); }

QByteArray RestoreJournal::toBytes() const {
    QByteArray out;
    const auto line = [&out](const QByteArray &text) { out += text + "\r\n"; };
    line(kTitle);
    line(kStage + (stage == Stage::Reading ? kReading : kReplacing));
    line(kCopy + EscapedText::escaped(copy));
    line(kBefore + EscapedText::escaped(before));
    line(kAside + EscapedText::escaped(asideFolder));
    line(kRestored + QByteArray::number(restored.size()));
    line(kSetAside + QByteArray::number(setAside.size()));
    for (const Restored &r : restored)
        line(QByteArray(1, r.replaces ? kReplacesTag : kNewTag) + '\t' + QByteArray::number(r.size) + '\t' +
             QByteArray::number(r.crc, 16).toUpper().rightJustified(8, '0') + '\t' +
             EscapedText::escaped(r.path));
    for (const QString &path : setAside)
        line(QByteArray(1, kSetAsideTag) + '\t' + EscapedText::escaped(path));
    // The last line: a journal cut short by a power cut is known as such.
    line(kEnd);
    return out;
}

std::optional<RestoreJournal> RestoreJournal::parse(const QByteArray &bytes) {
    if (!bytes.endsWith("\r\n"))
        return std::nullopt;
    const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
    QList<QByteArray> text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray l = lines[i];
        if (i + 1 < lines.size()) {
            if (!l.endsWith('\r'))
                return std::nullopt;
            l.chop(1);
        }
        text.append(l);
    }
    if (text.size() < 8 || text[0] != kTitle || text.last() != kEnd)
        return std::nullopt;
    RestoreJournal j;
    if (text[1] == kStage + kReading)
        j.stage = Stage::Reading;
    else if (text[1] == kStage + kReplacing)
        j.stage = Stage::Replacing;
    else
        return std::nullopt;
    const std::optional<QString> copy = field(text[2], kCopy), before = field(text[3], kBefore),
                                 aside = field(text[4], kAside);
    if (!copy || !before || !aside)
        return std::nullopt;
    j.copy = *copy;
    j.before = *before;
    j.asideFolder = *aside;
    bool restoredOk = false, asideOk = false;
    const qsizetype restoredCount =
        text[5].startsWith(kRestored) ? text[5].mid(kRestored.size()).toLongLong(&restoredOk) : -1;
    const qsizetype asideCount =
        text[6].startsWith(kSetAside) ? text[6].mid(kSetAside.size()).toLongLong(&asideOk) : -1;
    if (!restoredOk || !asideOk || restoredCount < 0 || asideCount < 0 ||
        restoredCount + asideCount != text.size() - 8)
        return std::nullopt;
    for (qsizetype i = 7; i < text.size() - 1; ++i) {
        const QList<QByteArray> cols = text[i].split('\t');
        if (i - 7 < restoredCount) {
            Restored r;
            bool sizeOk = false, crcOk = false;
            if (cols.size() != 4 ||
                (cols[0] != QByteArray(1, kReplacesTag) && cols[0] != QByteArray(1, kNewTag)) ||
                cols[2].size() != 8)
                return std::nullopt;
            r.replaces = cols[0][0] == kReplacesTag;
            r.size = cols[1].toLongLong(&sizeOk);
            r.crc = cols[2].toUInt(&crcOk, 16);
            const std::optional<QString> path = EscapedText::unescaped(cols[3]);
            if (!sizeOk || !crcOk || r.size < 0 || !path || path->isEmpty())
                return std::nullopt;
            r.path = *path;
            j.restored.append(r);
        } else {
            if (cols.size() != 2 || cols[0] != QByteArray(1, kSetAsideTag))
                return std::nullopt;
            const std::optional<QString> path = EscapedText::unescaped(cols[1]);
            if (!path || path->isEmpty())
                return std::nullopt;
            j.setAside.append(*path);
        }
    }
    return j;
}
