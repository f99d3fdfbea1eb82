#pragma once
// A help text: a title and paragraphs, shown by the help screen (joined by
// "\r\n\r\n") and printed as a chapter of the manual Guida.pdf.
#include <QString>
#include <QStringList>

struct HelpText {
    QString title;
    QStringList paragraphs;
    QString joined() const { return paragraphs.join(QStringLiteral("\r\n\r\n")); }
};
