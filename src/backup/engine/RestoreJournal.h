#pragma once
// "Ripristino_in_corso.txt" in the program folder: what a restore is doing, so
// that a restore cut short (a crash, a power cut, a file that could not be
// moved) is finished or undone at the next start instead of leaving the
// archives of one side and the services files of the other.
//
// It is written whole before the work folder is made, and again before the
// first file is moved; it goes only once the work folder is gone. The restore
// holds it locked while it runs, so another station starting meanwhile leaves
// it alone.
#include <QByteArray>
#include <QString>
#include <QList>
#include <QStringList>

#include <optional>

struct RestoreJournal {
    // A file of the copy: its size and CR-32 (to know it in place), and whether
    // it takes the place of a file the folder held.
    struct Restored {
        QString path;
        qint64 size = 0;
        quint32 crc = 0;
        bool replaces = false;
        bool operator==(const Restored &) const = default;
    };

    enum class Stage {
        Reading,  // the copy is read into the work folder: the data are untouched
        Replacing // files are being moved: finish, or undo, before anyone works
    };
    Stage stage = Stage::Reading;
    QString copy;             // the copy being restored
    QString before;           // the copy of the data made just before the restore
    QString asideFolder;      // "Accantonati_...", relative to the program folder
    QList<Restored> restored; // the copy's files
    QStringList setAside;     // the folder's data files the copy lacks

    static QString fileName(); // "Ripristino_in_corso.txt"

    // Windows-1252 text, one line per file, names escaped as in the copy's list.
    QByteArray toBytes() const;
    // Nothing unless the text is a whole, well-formed journal.
    static std::optional<RestoreJournal> parse(const QByteArray &bytes);
};
