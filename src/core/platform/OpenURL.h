#pragma once
// TMisc.Open: the one way the program hands a file, a web address or a
// "mailto:" link to the desktop. It says whether the desktop took it; most
// callers stay silent on failure, a screen that must tell it can.
#include <QString>
#include <QUrl>

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // False when the desktop could not open it.
    virtual bool open(const QString &command) = 0;
};

class TMisc {
public:
    // Strips surrounding double quotes; local paths open as files, "mailto:"
    // and web addresses as links. False when the desktop could not open it
    // (nothing is shown here).
    static bool Open(const QString &command);
    // Replaces the desktop (nullptr restores it); tests record the commands.
    static void setOpener(ShellOpener *opener);
    // What the desktop is asked to open for a command.
    static QUrl urlFor(const QString &command);
    // The double-quoted "mailto:" link of an address, trimmed. The address is
    // percent-encoded (all but letters, digits, "@" and "-._~+"), so a stored
    // "a@b.it?attach=..." is one odd address, never headers for the mail program.
    static QString mailCommand(const QString &address);
};
