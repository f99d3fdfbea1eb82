#include "backup/engine/BackupSelection.h"

#include "core/records/Archives.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The sub-folders copied whole: work registers, photos, attached documents.
const QStringList &wholeFolders() {
    static const QStringList folders = {Archives::worksFolderName(), QStringLiteral("Anagrafica"),
                                        QStringLiteral("Documenti_Allegati")};
    return folders;
}

bool same(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A file directly in the program folder.
int topLevelKind(const QString &name, bool *isData) {
    *isData = true;
    static const RecordLayout *const archives[] = {&Archives::clients(), &Archives::employees(),
                                                   &Archives::appointments(), &Archives::contracts()};
    for (const RecordLayout *layout : archives)
        if (same(name, layout->fileName()))
            return layout->size();
    static const QRegularExpression services(QStringLiteral("^Servizi_Cliente_[0-9]+\\.pro$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (services.match(name).hasMatch())
        return Archives::services().size();
    if (same(name, BackupSelection::settingsFileName())) {
        *isData = false;
        return 0;
    }
    *isData = name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive) ||
              same(name, QStringLiteral("unins000.dll")) || same(name, QStringLiteral("Logo.bmp"));
    return 0;
}

// A backup copy (saved into the data by mistake, it would be in every later
// copy and come back with a restore) or a file the program is writing.
bool isCopyOrTemporary(const QString &name) {
    static const QRegularExpression copy(QStringLiteral("^Tersalia_Copia_.*\\.zip(\\.[A-Za-z0-9]{6})?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attachmentCopy(QStringLiteral("^~Tersalia_copia_[A-Za-z0-9]{6}\\.tmp$"));
    return copy.match(name).hasMatch() || name.contains(QLatin1String(".~tersalia~")) ||
           attachmentCopy.match(name).hasMatch();
}

} // namespace

namespace BackupSelection {

QString settingsFileName() { return QStringLiteral("Salvataggio.ini"); }

bool isSafeRelativePath(const QString &path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\\')) ||
        path.contains(QLatin1Char(':')))
        return false;
    for (const QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString &part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

bool isDataFile(const QString &path) {
    if (!isSafeRelativePath(path) || isCopyOrTemporary(path.section(QLatin1Char('/'), -1)))
        return false;
    const int slash = path.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        bool data = false;
        topLevelKind(path, &data);
        return data;
    }
    const QString first = path.left(slash);
    return std::any_of(wholeFolders().begin(), wholeFolders().end(),
                       [&first](const QString &folder) { return same(first, folder); });
}

int recordSize(const QString &path) {
    const int slash = path.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        bool data = false;
        return topLevelKind(path, &data);
    }
    // Work registers sit flat in their folder, each a record file.
    if (same(path.left(slash), Archives::worksFolderName()) &&
        path.indexOf(QLatin1Char('/'), slash + 1) < 0 &&
        path.endsWith(QLatin1String(".pro"), Qt::CaseInsensitive))
        return Archives::works().size();
    return 0;
}

QList<DataFile> list(const QString &folder) {
    QDir root(folder);
    QList<DataFile> files;
    const auto add = [&files](const QString &relative) {
        if (isDataFile(relative))
            files.append({relative, recordSize(relative)});
    };
    for (const QString &name : root.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
        add(name);
    for (const QString &sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!isDataFile(sub + QStringLiteral("/x")))
            continue;
        QDirIterator it(root.filePath(sub), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            add(root.relativeFilePath(it.next()));
    }
    std::sort(files.begin(), files.end(),
              [](const DataFile &a, const DataFile &b) { return a.path < b.path; });
    return files;
}

} // namespace BackupSelection
