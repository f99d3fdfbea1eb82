#include "core/files/Workbook.h"

#include "core/files/WholeFileWriter.h"
#include "core/text/TextRules.h"

#include <memory>

namespace Workbook {
namespace {

// Text with the markup characters escaped, so a value holding them cannot
// break the table.
void appendEscaped(QByteArray &out, QByteArrayView text) {
    qsizetype plain = 0; // start of the run not yet copied
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '&' && c != '<' && c != '>')
            continue;
        out += text.sliced(plain, i - plain);
        out += c == '&'   ? QByteArrayView("&amp;")
               : c == '<' ? QByteArrayView("&lt;")
                          : QByteArrayView("&gt;");
        plain = i + 1;
    }
    out += text.sliced(plain);
}

// One cell, trimmed and escaped. Excel reads every cell as text through the
// table's x:str; LibreOffice ignores that and needs its own text format on
// each cell (sdnum, which Excel ignores), or it turns "063522457" into a number.
void appendCell(QByteArray &out, QByteArrayView value) {
    out += "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
    appendEscaped(out, Text::trim(value));
    out += "</td>";
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
        QByteArray header;
        appendEscaped(header, Text::toCp1252(c.header));
        d += Text::fromCp1252(header);
        d += QStringLiteral("</td>");
    }
    d += QStringLiteral("</tr>");
    return d;
}

QString tail() { return QStringLiteral("</table></body></html>"); }

void appendRow(QByteArray &out, const QList<QByteArrayView> &cells) {
    out += "<tr>";
    for (QByteArrayView cell : cells)
        appendCell(out, cell);
    out += "</tr>";
}

// Rows given as text, converted one row at a time.
RowSource fromList(const QList<QStringList> &rows) {
    auto converted = std::make_shared<QList<QByteArray>>();
    return [&rows, converted](qsizetype row, QList<QByteArrayView> &cells) {
        converted->clear();
        for (const QString &cell : rows.at(row))
            converted->append(Text::toCp1252(cell));
        for (const QByteArray &cell : std::as_const(*converted))
            cells.append(cell);
    };
}

} // namespace

QByteArray document(const QString &sheetName, const QList<WorkbookColumn> &columns,
                    const QList<QStringList> &rows) {
    QByteArray d = Text::toCp1252(head(sheetName, columns));
    const RowSource rowAt = fromList(rows);
    QList<QByteArrayView> cells;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        cells.clear();
        rowAt(r, cells);
        appendRow(d, cells);
    }
    d += Text::toCp1252(tail());
    return d;
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
    WholeFileWriter file(path);
    if (!file.open())
        return false;
    // Rows are written in pieces of about a megabyte, in order: one pass.
    constexpr qsizetype kPiece = 1 << 20;
    QByteArray bytes = Text::toCp1252(head(sheetName, columns));
    bytes.reserve(kPiece + 4096);
    auto flush = [&file, &bytes]() {
        const bool whole = file.write(bytes);
        bytes.resize(0);
        return whole;
    };
    QList<QByteArrayView> cells;
    for (qsizetype r = 0; r < rowCount; ++r) {
        cells.clear();
        rowAt(r, cells);
        appendRow(bytes, cells);
        if (bytes.size() >= kPiece && !flush())
            return false; // the unfinished file is removed, the old one stays
    }
    bytes += Text::toCp1252(tail());
    return flush() && file.commit();
}

} // namespace Workbook
