#include "core/Workbook.h"

#include "core/TextRules.h"

#include <QSaveFile>

namespace Workbook {
namespace {

// Text with the markup characters escaped, so a value holding them cannot
// break the table.
void appendEscaped(QString &out, QStringView text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            out += QStringLiteral("&amp;");
        else if (c == QLatin1Char('<'))
            out += QStringLiteral("&lt;");
        else if (c == QLatin1Char('>'))
            out += QStringLiteral("&gt;");
        else
            out += c;
    }
}

// One cell, trimmed and escaped. Excel reads every cell as text through the
// table's x:str; LibreOffice ignores that and needs its own text format on
// each cell (sdnum, which Excel ignores), or it turns "063522457" into a number.
void appendCell(QString &out, QStringView value) {
    out += QStringLiteral("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">");
    appendEscaped(out, Text::trim(value));
    out += QStringLiteral("</td>");
}

QString head(const QString &sheetName, const QList<WorkbookColumn> &columns) {
    QString d;
    d += QStringLiteral("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                        "xmlns=\"http://www.w3.org/TR/REC-html40\">");
    d += QStringLiteral("<head>");
    d += QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
    d += QStringLiteral("<!--[if gte mso 9]><xml>");
    d += QStringLiteral("<x:ExcelWorkbook>");
    d += QStringLiteral("<x:ExcelWorksheets>");
    d += QStringLiteral("<x:ExcelWorksheet>");
    d += QStringLiteral("<x:Name>") + sheetName + QStringLiteral("</x:Name>");
    d += QStringLiteral("<x:WorksheetOptions>");
    d += QStringLiteral("<x:Selected/>");
    d += QStringLiteral("<x:Panes>");
    d += QStringLiteral("<x:Pane>");
    d += QStringLiteral("<x:Number>1</x:Number>");
    d += QStringLiteral("<x:ActiveRow>3</x:ActiveRow>");
    d += QStringLiteral("</x:Pane>");
    d += QStringLiteral("</x:Panes>");
    d += QStringLiteral("<x:ProtectContents>False</x:ProtectContents>");
    d += QStringLiteral("<x:ProtectObjects>False</x:ProtectObjects>");
    d += QStringLiteral("<x:ProtectScenarios>False</x:ProtectScenarios>");
    d += QStringLiteral("</x:WorksheetOptions>");
    d += QStringLiteral("</x:ExcelWorksheet>");
    d += QStringLiteral("</x:ExcelWorksheets>");
    d += QStringLiteral("</x:ExcelWorkbook>");
    d += QStringLiteral("</xml><![endif]-->");
    d += QStringLiteral("</head>");
    d += QStringLiteral("<body>");
    d += QStringLiteral("<table x:str>");
    d += QStringLiteral("<tr>");
    for (const WorkbookColumn &c : columns) {
        d += QStringLiteral("<td style=\"text-align: left; font-weight: bold;\" width=") +
             QString::number(c.width) + QLatin1Char('>');
        appendEscaped(d, c.header);
        d += QStringLiteral("</td>");
    }
    d += QStringLiteral("</tr>");
    return d;
}

QString tail() { return QStringLiteral("</table></body></html>"); }

void appendRow(QString &out, const QList<QStringView> &cells) {
    out += QStringLiteral("<tr>");
    for (QStringView cell : cells)
        appendCell(out, cell);
    out += QStringLiteral("</tr>");
}

RowSource fromList(const QList<QStringList> &rows) {
    return [&rows](qsizetype row, QList<QStringView> &cells) {
        for (const QString &cell : rows.at(row))
            cells.append(cell);
    };
}

} // namespace

QByteArray document(const QString &sheetName, const QList<WorkbookColumn> &columns,
                    const QList<QStringList> &rows) {
    QString d = head(sheetName, columns);
    const RowSource rowAt = fromList(rows);
    QList<QStringView> cells;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        cells.clear();
        rowAt(r, cells);
        appendRow(d, cells);
    }
    d += tail();
    return Text::toCp1252(d);
}

bool write(const QString &path, const QString &sheetName, const QList<WorkbookColumn> &columns,
           const QList<QStringList> &rows) {
    return write(path, sheetName, columns, rows.size(), fromList(rows));
}

bool write(const QString &path, const QString &sheetName, const QList<WorkbookColumn> &columns,
           qsizetype rowCount, const RowSource &rowAt) {
    // The workbook is written beside the old one and takes its place only when
    // whole, so an export that fails half-way (a full disk) leaves the previous
    // file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Rows are converted and written in pieces of about a megabyte, in order:
    // one pass.
    constexpr qsizetype kPiece = 1 << 19;
    QString text = head(sheetName, columns);
    text.reserve(kPiece + 4096);
    auto flush = [&file, &text]() {
        const QByteArray bytes = Text::toCp1252(text);
        text.clear();
        return file.write(bytes) == bytes.size();
    };
    QList<QStringView> cells;
    for (qsizetype r = 0; r < rowCount; ++r) {
        cells.clear();
        rowAt(r, cells);
        appendRow(text, cells);
        if (text.size() >= kPiece && !flush())
            return false; // the unfinished file is removed, the old one stays
    }
    text += tail();
    // Every byte must have reached the file before it replaces the old one:
    // a write error left in the buffer would otherwise go unnoticed.
    if (!flush() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace Workbook
