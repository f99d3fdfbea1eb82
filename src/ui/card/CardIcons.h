#pragma once
// The painted icons of the card screens' commands: a white symbol on a
// rounded tile of the command's colour, sharp at any size.
#include <QColor>
#include <QIcon>

namespace CardIcons {

enum class Symbol {
    New,
    Duplicate,
    Save,
    Find,
    Preview,
    Print,
    Done,
    Pending,
    Overdue,
    Export,
    Help,
    Exit,
    Calendar,
    Import,
    Mail,
    WhatsApp,
    AlarmClock,
    Attach,
    Pdf,
    Eraser,    // empties an attachment slot
    Check,     // the check tools beside a field
    Privacy,   // the letter "P" of the privacy document
    Services,  // the services supplied to a client
    Recontact, // the clients to contact again
    Logo,      // the company's logo: a framed picture
    Repeat,    // an appointment repeated: two arrows chasing each other round
};

QPixmap pixmap(Symbol symbol, int size, const QColor &color);
QIcon icon(Symbol symbol, const QColor &color);
// The colour each command uses on every card.
QColor defaultColor(Symbol symbol);
inline QIcon icon(Symbol symbol) { return icon(symbol, defaultColor(symbol)); }

} // namespace CardIcons
