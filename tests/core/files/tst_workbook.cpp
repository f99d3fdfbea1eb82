// The spreadsheet document, byte for byte.
#include "TestEnv.h"
#include "core/files/Workbook.h"

#include <QDir>
#include <QTest>

namespace {
const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Foglio prova</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
    "<body><table x:str>";
const QList<WorkbookColumn> kColumns = {{QStringLiteral("Data"), 90},
                                        {QStringLiteral("Modalità di pagamento"), 180}};
} // namespace

class TstWorkbook : public QObject {
    Q_OBJECT
private slots:
    void documentByteForByte() {
        const QByteArray doc =
            Workbook::document(QStringLiteral("Foglio prova"), kColumns,
                               {{QStringLiteral(" 05/03/2024 "), QStringLiteral("Contanti & <subito>")},
                                {QString(), QStringLiteral("€")}});
        const QByteArray expected =
            kHead +
            "<tr><td style=\"text-align: left; font-weight: bold;\" width=90>Data</td>"
            "<td style=\"text-align: left; font-weight: bold;\" width=180>Modalit\xe0 di pagamento</td></tr>"
            "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">05/03/2024</td>"
            "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">Contanti &amp; &lt;subito&gt;</td></tr>"
            "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\"></td><td style=\"text-align: left;\" "
            "sdnum=\"1040;0;@\">\x80</td></tr>"
            "</table></body></html>";
        QCOMPARE(doc, expected);
        QVERIFY(!doc.contains('\n') && !doc.contains('\r'));
    }

    void emptyGridGivesTheHeaderRowOnly() {
        const QByteArray doc = Workbook::document(QStringLiteral("Foglio prova"), kColumns, {});
        QVERIFY(doc.endsWith("width=180>Modalit\xe0 di pagamento</td></tr></table></body></html>"));
    }

    void headersAreEscapedLikeCells() {
        const QByteArray doc =
            Workbook::document(QStringLiteral("Foglio prova"), {{QStringLiteral("A & <B>"), 50}}, {});
        QVERIFY(doc.endsWith("width=50>A &amp; &lt;B&gt;</td></tr></table></body></html>"));
    }

    void writingReplacesAndReportsFailure() {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Prova.xls"));
        QVERIFY(Workbook::write(path, QStringLiteral("Foglio prova"), kColumns, {{"a", "b"}, {"c", "d"}}));
        QVERIFY(Workbook::write(path, QStringLiteral("Foglio prova"), kColumns, {}));
        QCOMPARE(folder.read(QStringLiteral("Prova.xls")),
                 Workbook::document(QStringLiteral("Foglio prova"), kColumns, {}));
        QDir(folder.path()).mkdir(QStringLiteral("Bloccato.xls"));
        QVERIFY(
            !Workbook::write(folder.file(QStringLiteral("Bloccato.xls")), QStringLiteral("x"), kColumns, {}));
    }

    // A large export is written in pieces: the file is still the one document.
    void streamedFileEqualsTheDocument() {
        QList<QStringList> rows;
        for (int i = 0; i < 4000; ++i)
            rows.append(
                {QStringLiteral(" %1 \u00e8 <x> & \u20ac ").arg(i), QString(200, QChar(u'a' + i % 26))});
        TempProgramFolder folder;
        QVERIFY(Workbook::write(folder.file(QStringLiteral("Grande.xls")), QStringLiteral("Foglio prova"),
                                kColumns, rows));
        const QByteArray file = folder.read(QStringLiteral("Grande.xls"));
        QVERIFY(file.size() > 1 << 20);
        QCOMPARE(file, Workbook::document(QStringLiteral("Foglio prova"), kColumns, rows));
        QVERIFY(file.contains(
            "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">3999 \xe8 &lt;x&gt; &amp; \x80</td>"));
    }
};

QTEST_GUILESS_MAIN(TstWorkbook)
#include "tst_workbook.moc"
