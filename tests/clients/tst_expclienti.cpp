// The client archive export: the grid of every client, "Clienti.xls" as the
// workbook gives it (headers, widths, cells), read back through LibreOffice.
#include "ClientFixture.h"
#include "TestEnv.h"
#include "clients/Clienti.h"
#include "clients/ExpClienti.h"
#include "core/text/TextRules.h"
#include "core/files/Workbook.h"
#include "shell/Application.h"
#include "ui/export/GridModel.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {
QByteArray archive() {
    return clientRecord({{"Cliente", "Rossi Mario"},
                         {"DataNasc", "01/02/1980"},
                         {"ComuneNasc", "Forlì"},
                         {"ProvNasc", "FC"},
                         {"Sesso", "M"},
                         {"ComuneRes", "Cesena"},
                         {"CapRes", "47521"},
                         {"PartitaIva", "01234567890"},
                         {"Iban", "IT60X0542811101000000123456"},
                         {"Note", "a<b & c>d"},
                         {"Ricontatta", "Sì"},
                         {"File01", "doc.pdf"}}) +
           clientRecord(
               {{"Cliente", "Bianchi Anna"}, {"ComuneRes", "Roma"}, {"ProvRes", "RM"}, {"TelCel", "0333"}});
}
} // namespace

class TstExpClienti : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;

private slots:
    void init() { seams = new ScreenSeams; }
    void cleanup() { delete seams; }

    void gridAndWorkbook() {
        seams->folder.write(QStringLiteral("Contatti.pro"), archive());
        TfrmExpClienti grid;
        grid.show();
        QCOMPARE(grid.windowTitle(), QStringLiteral(" Esporta archivio clienti in Excel"));
        GridModel *m = grid.model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->columnCount(), 26);
        QCOMPARE(m->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Comune / Stato estero di nascita"));
        QCOMPARE(m->data(m->index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("1"));
        QCOMPARE(m->data(m->index(0, 3), Qt::DisplayRole).toString(), QStringLiteral("Forlì FC"));
        QCOMPARE(m->data(m->index(0, 6), Qt::DisplayRole).toString(), QStringLiteral("Cesena "));
        QVERIFY(m->flags(m->index(0, 6)) & Qt::ItemIsEditable);
        QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(m->setData(m->index(1, 25), QStringLiteral("cambiata nella griglia"), Qt::EditRole));

        grid.cmdEsporta->click();
        const QByteArray written = seams->folder.read(QStringLiteral("Clienti.xls"));
        // The header cells as the workbook gives them, in order, with their widths.
        const QList<QPair<const char *, int>> headers = {{"Cognome e nome", 250},
                                                         {"Data di nascita", 200},
                                                         {"Comune di nascita", 250},
                                                         {"Tel. preferenziale", 250},
                                                         {"Indirizzo di residenza", 300},
                                                         {"Comune di residenza", 250},
                                                         {"Modalità di pagamento", 250},
                                                         {"Tel. casa", 250},
                                                         {"Tel. ufficio", 250},
                                                         {"Tel. cellulare", 250},
                                                         {"PEC", 250},
                                                         {"E-mail", 250},
                                                         {"Codice fiscale", 250},
                                                         {"Partita IVA", 250},
                                                         {"Carta di credito n.", 300},
                                                         {"Scadenza", 150},
                                                         {"IBAN", 300},
                                                         {"Estremi documento", 280},
                                                         {"Occupazione", 250},
                                                         {"Stato civile", 250},
                                                         {"Titoli e qualifiche", 280},
                                                         {"Prodotti e servizi di interesse", 300},
                                                         {"Zona", 250},
                                                         {"Questioni in sospeso", 300},
                                                         {"Note", 300}};
        QByteArray headerRow;
        for (const auto &h : headers)
            headerRow +=
                "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(h.second) +
                ">" + Text::toCp1252(QString::fromUtf8(h.first)) + "</td>";
        QVERIFY2(written.contains(headerRow), written.left(600).constData());
        QVERIFY(written.contains("Archivio Clienti"));
        QList<WorkbookColumn> columns;
        for (const auto &h : headers)
            columns.append({QString::fromUtf8(h.first), h.second});
        QStringList first(25), second(25);
        first[0] = "Rossi Mario";
        first[1] = "01/02/1980";
        first[2] = "Forlì FC";
        first[5] = "Cesena";
        first[13] = "01234567890";
        first[16] = "IT60X0542811101000000123456";
        first[24] = "a<b & c>d";
        second[0] = "Bianchi Anna";
        second[2] = "";
        second[5] = "Roma RM";
        second[9] = "0333";
        second[24] = "cambiata nella griglia";
        QCOMPARE(written, Workbook::document(QStringLiteral("Archivio Clienti"), columns, {first, second}));
        QVERIFY(!written.contains("47521")); // the postcode is not exported
        QVERIFY(!written.contains("doc.pdf"));
        QCOMPARE(seams->shell.commands,
                 QStringList{"\"" + seams->folder.file(QStringLiteral("Clienti.xls")) + "\""});
    }

    void emptyArchiveExportsTheHeaderRowOnly() {
        TfrmExpClienti grid;
        grid.show();
        QCOMPARE(grid.model()->rowCount(), 0);
        grid.cmdEsporta->click();
        const QByteArray written = seams->folder.read(QStringLiteral("Clienti.xls"));
        QVERIFY(written.contains("width=300>Note</td>"));
        QVERIFY(!written.contains("<td style=\"text-align: left;\"")); // no data cell
    }

    void readBackThroughLibreOffice() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed: the workbook cannot be read back");
        seams->folder.write(QStringLiteral("Contatti.pro"), archive());
        TfrmExpClienti grid;
        grid.show();
        grid.cmdEsporta->click();
        QTemporaryDir work;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        p.setProcessEnvironment(env);
        p.start(soffice,
                {QStringLiteral("-env:UserInstallation=") +
                     QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                 QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                 QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("--outdir"),
                 work.path(), seams->folder.file(QStringLiteral("Clienti.xls"))});
        QVERIFY(p.waitForFinished(180000));
        QFile csv(work.filePath(QStringLiteral("Clienti.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(csv.readAll());
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        // Every cell quoted, as the conversion was asked to write them.
        QVERIFY2(lines[0].startsWith(
                     QStringLiteral("\"Cognome e nome\",\"Data di nascita\",\"Comune di nascita\",")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QStringLiteral("\"Rossi Mario\",\"01/02/1980\",\"Forlì FC\",")),
                 qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(QStringLiteral("\"a<b & c>d\"")), qPrintable(lines[1]));
    }

    void openedFromTheCard() {
        TfrmClienti *card = Tersalia::createScreens().clienti;
        card->openModule();
        bool opened = false;
        whenModal([&](QWidget *w) {
            opened = qobject_cast<TfrmExpClienti *>(w) != nullptr;
            w->close();
        });
        card->cmdEsporta->click();
        QVERIFY(opened);
        Tersalia::destroyScreens();
    }
};

QTEST_MAIN(TstExpClienti)
#include "tst_expclienti.moc"
