#include "core/Workbook.h"

#include "core/TextRules.h"

#include <QFile>

namespace Workbook {
namespace {

QString escaped(const QString &value) {
    QString v = Text::trim(value);
    v.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    v.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    v.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return v;
}

} // namespace

QByteArray document(const QString &sheetName, const QList<WorkbookColumn> &columns, const QList<QStringList> &rows) {
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
    for (const WorkbookColumn &c : columns)
        d += QStringLiteral("<td style=\"text-align: left; font-weight: bold;\" width=") + QString::number(c.width) +
             QLatin1Char('>') + c.header + QStringLiteral("</td>");
    d += QStringLiteral("</tr>");
    for (const QStringList &row : rows) {
        d += QStringLiteral("<tr>");
        for (const QString &cell : row)
            d += QStringLiteral("<td style=\"text-align: left;\">") + escaped(cell) + QStringLiteral("</td>");
        d += QStringLiteral("</tr>");
    }
    d += QStringLiteral("</table>");
    d += QStringLiteral("</body>");
    d += QStringLiteral("</html>");
    return Text::toCp1252(d);
}

bool write(const QString &path, const QString &sheetName, const QList<WorkbookColumn> &columns,
           const QList<QStringList> &rows) {
    // Built in memory, then written in one pass over any earlier export.
    const QByteArray bytes = document(sheetName, columns, rows);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace Workbook
