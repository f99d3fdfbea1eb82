// A spreadsheet program reads every exported cell back exactly: LibreOffice,
// run headless, converts the workbook to CSV and each value is compared.
#include "TestEnv.h"
#include "core/files/Workbook.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// The cells of a UTF-8 CSV file: quoted fields with doubled quotes, commas
// between fields, line feeds between rows.
QList<QStringList> parseCsv(const QString &text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(field);
            field.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            row.append(field);
            field.clear();
            rows.append(row);
            row.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

} // namespace

class TstWorkbookReadBack : public QObject {
    Q_OBJECT

    QString soffice;
    QTemporaryDir work;

    // Converts an exported workbook with LibreOffice; the rows it read.
    QList<QStringList> readBack(const QString &xls) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // the same reading on every machine
        p.setProcessEnvironment(env);
        p.start(soffice,
                {QStringLiteral("-env:UserInstallation=") +
                     QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                 QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                 QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("--outdir"),
                 work.path(), xls});
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            return {};
        QFile csv(work.filePath(QFileInfo(xls).completeBaseName() + QStringLiteral(".csv")));
        if (!csv.open(QIODevice::ReadOnly))
            return {};
        return parseCsv(QString::fromUtf8(csv.readAll()));
    }

private slots:
    void initTestCase() {
        soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed (Debian package libreoffice-calc): the workbook cannot be "
                  "read back");
    }

    void everyValueReadsBackExactly() {
        const QList<WorkbookColumn> columns = {{QStringLiteral("Modalità di pagamento"), 300},
                                               {QStringLiteral("Città & <provincia>"), 200},
                                               {QStringLiteral("Note"), 400}};
        const QList<QStringList> rows = {
            {QStringLiteral("Carta di credito più € 2"), QStringLiteral("Forlì <FC>"),
             QStringLiteral("Pulizie & sanificazione > 3 piani")},
            {QStringLiteral("L'\"ultimo\" giorno, però"), QStringLiteral("Cefalù"),
             QStringLiteral("a<b>c&d;e")},
            {QStringLiteral("  con blanchi attorno  "), QString(), QStringLiteral("&amp; non è un'entità")},
            {QStringLiteral("ÀÈÌÒÙ àèéìòù ç ñ ß"), QStringLiteral("09:30"),
             QStringLiteral("Tel. 06 5551234")},
        };
        const QString xls = work.filePath(QStringLiteral("Prova.xls"));
        QVERIFY(Workbook::write(xls, QStringLiteral("Prova"), columns, rows));
        const QList<QStringList> read = readBack(xls);
        QCOMPARE(read.size(), rows.size() + 1);
        QStringList headers;
        for (const WorkbookColumn &c : columns)
            headers.append(c.header);
        QCOMPARE(read.at(0), headers);
        for (int r = 0; r < rows.size(); ++r) {
            QStringList expected;
            for (const QString &cell : rows.at(r))
                expected.append(cell.trimmed());
            QCOMPARE(read.at(r + 1), expected);
        }
    }

    // LibreOffice ignores the table's x:str: every cell carries its own text
    // format, so texts that look like numbers arrive exactly as written.
    // (One workbook for all the cases: LibreOffice takes long to start.)
    void numberLikeTextsStayText() {
        const QStringList values = {
            QStringLiteral("063522457"),            // telephone with a leading zero
            QStringLiteral("3331234567"),           // mobile number
            QStringLiteral("12345678901234567890"), // 20-digit card number
            QStringLiteral("49,49"),                // amount with a comma
            QStringLiteral("49.50"),                // amount with a point
            QStringLiteral("00184"),                // postcode
            QStringLiteral("1E5"),                  // exponent look-alike
            QStringLiteral("1/2"),                  // fraction or date look-alike
            QStringLiteral("05"),                   // minutes with a leading zero
        };
        QList<QStringList> rows;
        for (const QString &v : values)
            rows.append({v, v});
        const QString xls = work.filePath(QStringLiteral("Numeri.xls"));
        QVERIFY(Workbook::write(xls, QStringLiteral("Prova"),
                                {{QStringLiteral("Valore"), 200}, {QStringLiteral("Ancora"), 200}}, rows));
        const QList<QStringList> read = readBack(xls);
        QCOMPARE(read.size(), rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(read.at(r + 1), rows.at(r));
    }
};

QTEST_MAIN(TstWorkbookReadBack)
#include "tst_workbookreadback.moc"
