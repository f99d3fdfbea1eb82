#pragma once
// Data a screen keeps in a settings file (the company's own data of the
// contract and privacy screens): a table of INI keys of one section and the
// controls (edits, combo edits) they fill. read() fills the controls when the
// screen is shown; write() stores each control's trimmed text when it closes
// and reads it back. When a key cannot be written, what was typed is kept for
// the rest of the session and comes back at the next read() instead of what
// the file still holds, so it need not be typed again.
#include <QList>
#include <QString>

#include <functional>

class QWidget;

struct SettingsKey {
    const char *key;
    const char *control;
};

class SettingsForm {
public:
    // path gives the settings file at every read and write. The controls must
    // exist: a key naming no control of the form is a NameError.
    SettingsForm(QWidget *form, std::function<QString()> path, QString section, QList<SettingsKey> keys);

    const QList<SettingsKey> &keys() const { return m_keys; }
    bool holds(const char *control) const;

    void read();
    // False when some key was not written (or not given back): the screen says so.
    bool write();

private:
    std::function<QString()> m_path;
    QString m_section;
    QList<SettingsKey> m_keys;
    QList<QWidget *> m_controls; // one a key
};
