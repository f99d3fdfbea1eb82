// The contract search opened from the contract screen (criteria, sorted
// lines, the chosen contract loaded into the screen) and the contract export
// (grid, byte-exact workbook, read back by LibreOffice).
#include "ContractFixture.h"
#include "TestEnv.h"
#include "contracts/card/Contratto.h"
#include "contracts/card/ExpContratti.h"
#include "contracts/card/TrovaContratti.h"
#include "core/files/Workbook.h"
#include "ui/export/GridModel.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

using namespace ContractFixture;

namespace {

const QList<QByteArray> kArchive = {
    contract({{NumContratto, "1"},
              {Data, "10/01/2024"},
              {Luogo, "Roma"},
              {Ditta, "Splendor"},
              {Cliente, "Rossi & Figli"},
              {ComuneCli, "Roma"},
              {ProvCli, "RM"},
              {ViaCli, "Via Po 1"},
              {PartitaIvaCli, "12345678903"},
              {TelCli, "06 1234"},
              {QualitaCli, "Mensile"},
              {TipoImpianto, "Ufficio"},
              {Marca, "Via Po 1, piano 2"},
              {Matricola, "12 mesi"},
              {ImpCanone, "150,00"},
              {OpInc01, "Pavimenti"},
              {OpInc02, "Cestini"},
              {OpInc03, "Bagni"},
              {OpInc04, "non esportata"},
              {OpEsc01, "Vetri"}}),
    contract({{NumContratto, "2"},
              {Data, "11/01/2024"},
              {Ditta, "Splendor"},
              {Cliente, "Bianchi <Anna>"},
              {ComuneCli, "Cant\xf9"},
              {TipoImpianto, "Negozio"},
              {Periodicita, "Annuale"},
              {Pagamento, "Rimessa diretta"}}),
    contract({{NumContratto, "3"},
              {Data, "12/01/2024"},
              {Ditta, "Splendor"},
              {Cliente, "abate Carlo"},
              {TipoImpianto, "Ufficio"}}),
};

QByteArray headerRow() {
    const QList<std::pair<int, const char *>> headers = {
        {200, "Contratto n."},
        {150, "Data"},
        {250, "Luogo stipula"},
        {250, "Cliente"},
        {250, "Comune di residenza"},
        {300, "Via e numero civico"},
        {200, "Partita IVA"},
        {200, "Codice Fiscale"},
        {250, "Telefono"},
        {250, "Frequenza servizi"},
        {250, "Tipo immobile"},
        {400, "Ubicazione immobile"},
        {250, "Durata contratto"},
        {300, "Fornitore dei materiali"},
        {250, "Foro competente"},
        {400, "Condizioni per recesso"},
        {400, "Polizza assicurativa"},
        {300, "Orari intervento"},
        {250, "Durata intervento"},
        {250, "Periodicit\xe0 canone"},
        {200, "Importo canone"},
        {300, "Modalit\xe0 di pagamento"},
        {400, "Attivit\xe0 1 inclusa in contratto"},
        {400, "Attivit\xe0 2 inclusa in contratto"},
        {400, "Attivit\xe0 3 inclusa in contratto"},
    };
    QByteArray row = "<tr>";
    for (const auto &[width, title] : headers)
        row += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" +
               title + "</td>";
    return row + "</tr>";
}

QByteArray dataRow(const QList<QByteArray> &cells) {
    QByteArray row = "<tr>";
    for (const QByteArray &c : cells)
        row += "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + c + "</td>";
    return row + "</tr>";
}

QList<QByteArray> cells(std::initializer_list<std::pair<int, QByteArray>> set) {
    QList<QByteArray> c(25);
    for (const auto &[column, text] : set)
        c[column] = text;
    return c;
}

// The first record's 25 cells and the second's: the province trimmed away
// when empty, "&" and "<" escaped.
QByteArray expectedRows() {
    return dataRow(cells({{0, "1"},
                          {1, "10/01/2024"},
                          {2, "Roma"},
                          {3, "Rossi &amp; Figli"},
                          {4, "Roma RM"},
                          {5, "Via Po 1"},
                          {6, "12345678903"},
                          {8, "06 1234"},
                          {9, "Mensile"},
                          {10, "Ufficio"},
                          {11, "Via Po 1, piano 2"},
                          {12, "12 mesi"},
                          {20, "150,00"},
                          {22, "Pavimenti"},
                          {23, "Cestini"},
                          {24, "Bagni"}})) +
           dataRow(cells({{0, "2"},
                          {1, "11/01/2024"},
                          {3, "Bianchi &lt;Anna&gt;"},
                          {4, "Cant\xf9"},
                          {10, "Negozio"},
                          {19, "Annuale"},
                          {21, "Rimessa diretta"}})) +
           dataRow(cells({{0, "3"}, {1, "12/01/2024"}, {3, "abate Carlo"}, {10, "Ufficio"}}));
}

// The rows of a UTF-8 CSV file.
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
        } else if (c == u'\n') {
            row.append(field);
            field.clear();
            rows.append(row);
            row.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    return rows;
}

} // namespace

class TstTrovaExport : public QObject {
    Q_OBJECT

    ScreenSeams *seams = nullptr;
    TfrmContratto *screen = nullptr;

    void withSearch(const std::function<void(TfrmTrovaContratti *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *search = qobject_cast<TfrmTrovaContratti *>(w);
            QVERIFY(search);
            steps(search);
            ran = true;
            if (search->isVisible())
                search->close();
        });
        screen->cmdTrova->click();
        QVERIFY(ran);
    }
    static QStringList listed(TfrmTrovaContratti *s) { return s->list->lstRecords->listModel()->lines(); }

private slots:
    void init() {
        seams = new ScreenSeams;
        seams->folder.write(QStringLiteral("Contratti.pro"), join(kArchive));
        screen = new TfrmContratto;
        screen->show();
        QApplication::setActiveWindow(screen);
    }
    void cleanup() {
        delete screen;
        delete seams;
    }

    void wholeArchiveSortedWithTheContractLine() {
        withSearch([&](TfrmTrovaContratti *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Trova contratti in archivio"));
            QCOMPARE(s->lblMemory->text(), QStringLiteral("contratti"));
            s->btnCerca->click();
            const QStringList lines = listed(s);
            QCOMPARE(lines.size(), 3);
            // Sorted without regard to case: abate, Bianchi, Rossi.
            const auto pad = [](const char *text, int width) {
                return QString::fromUtf8(text).leftJustified(width);
            };
            QCOMPARE(lines[0], pad("abate Carlo", 28) + "  Tel. " + pad("", 20) +
                                   "  Tipo: " + pad("Ufficio", 25) + "  " + pad("", 30) +
                                   "  Contratto n. 3 del 12/01/2024");
            QCOMPARE(lines[2], pad("Rossi & Figli", 28) + "  Tel. " + pad("06 1234", 20) +
                                   "  Tipo: " + pad("Ufficio", 25) + "  " + pad("Via Po 1, piano 2", 30) +
                                   "  Contratto n. 1 del 10/01/2024");
            QCOMPARE(s->list->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 3 schede."));
        });
    }

    void criteria_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("found");
        QTest::newRow("client, any case") << "txtCliente"
                                          << "ROSSI" << 1;
        QTest::newRow("type of property") << "txtTipoImpianto"
                                          << "ufficio" << 2;
        QTest::newRow("municipality") << "txtComuneCli"
                                      << "cantù" << 1;
        QTest::newRow("date") << "txtData"
                              << "/01/2024" << 3;
        QTest::newRow("included activity 2") << "txtOpInc02"
                                             << "cest" << 1;
        QTest::newRow("nothing") << "txtMatricola"
                                 << "24 mesi" << 0;
    }
    void criteria() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(int, found);
        withSearch([&](TfrmTrovaContratti *s) {
            QCOMPARE(s->criteria.size(), 10);
            s->criterion(control.toLatin1().constData())->setText(typed);
            s->btnCerca->click();
            QCOMPARE(listed(s).size(), found);
        });
    }

    // The chosen line loads its contract into the screen with its position.
    void chosenContractIsLoaded() {
        withSearch([&](TfrmTrovaContratti *s) {
            s->criterion("txtCliente")->setText(QStringLiteral("bianchi"));
            s->btnCerca->click();
            s->loadLine(0);
        });
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(screen->txtCliente->text(), QStringLiteral("Bianchi <Anna>"));
        QCOMPARE(screen->txtPeriodicita->currentText(), QStringLiteral("Annuale"));
        QCOMPARE(screen->txtNumContratto->text(), QStringLiteral("2"));
    }

    void gridShowsEveryContract() {
        TfrmExpContratti grid(screen);
        grid.show();
        QCOMPARE(grid.windowTitle(), QStringLiteral(" Esporta archivio contratti in Excel"));
        GridModel *m = grid.model();
        QCOMPARE(m->rows(), 3);
        QCOMPARE(m->columnCount(), 26);
        QCOMPARE(m->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("N."));
        QCOMPARE(m->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Data stipula"));
        QCOMPARE(m->headerData(25, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Attività 3 inclusa in contratto"));
        QCOMPARE(m->number(1), 2);
        QCOMPARE(m->cell(1, 4), QStringLiteral("Cantù ")); // the empty province leaves a blank
        QCOMPARE(m->cell(0, 4), QStringLiteral("Roma RM"));
        QCOMPARE(m->cell(2, 24), QString());
    }

    // Contratti.xls: the shared skeleton, then this header row and one row per
    // contract, byte for byte in Windows-1252.
    void exportIsByteExact() {
        TfrmExpContratti grid(screen);
        grid.show();
        grid.cmdEsporta->click();
        QCOMPARE(seams->messages.shown.size(), 2);
        const QByteArray file = seams->folder.read(QStringLiteral("Contratti.xls"));
        QVERIFY(file.contains("<x:Name>Riepilogo Contratti</x:Name>"));
        const qsizetype table = file.indexOf("<tr>");
        QVERIFY(table > 0);
        QCOMPARE(file.mid(table), headerRow() + expectedRows() + "</table></body></html>");
        QCOMPARE(seams->shell.commands,
                 QStringList{"\"" + seams->folder.file(QStringLiteral("Contratti.xls")) + "\""});
    }

    void emptyArchiveExportsTheHeaderOnly() {
        seams->folder.write(QStringLiteral("Contratti.pro"), QByteArray());
        TfrmExpContratti grid(screen);
        grid.show();
        QCOMPARE(grid.model()->rows(), 0);
        grid.cmdEsporta->click();
        const QByteArray file = seams->folder.read(QStringLiteral("Contratti.xls"));
        QCOMPARE(file.mid(file.indexOf("<tr>")), headerRow() + "</table></body></html>");
    }

    // A spreadsheet program reads every exported cell back as the contract holds it.
    void workbookReadsBackInLibreOffice() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed: the workbook cannot be read back");
        TfrmExpContratti grid(screen);
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
                 QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false"),
                 QStringLiteral("--outdir"), work.path(),
                 seams->folder.file(QStringLiteral("Contratti.xls"))});
        QVERIFY(p.waitForFinished(180000));
        QFile csv(work.filePath(QStringLiteral("Contratti.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.readAll()));
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].value(19), QStringLiteral("Periodicità canone"));
        QCOMPARE(rows[1].value(3), QStringLiteral("Rossi & Figli"));
        QCOMPARE(rows[1].value(4), QStringLiteral("Roma RM"));
        QCOMPARE(rows[1].value(20), QStringLiteral("150,00"));
        QCOMPARE(rows[1].value(24), QStringLiteral("Bagni"));
        QCOMPARE(rows[2].value(3), QStringLiteral("Bianchi <Anna>"));
        QCOMPARE(rows[2].value(4), QStringLiteral("Cantù"));
        QCOMPARE(rows[2].value(21), QStringLiteral("Rimessa diretta"));
        QCOMPARE(rows[3].value(3), QStringLiteral("abate Carlo"));
        QCOMPARE(rows[1].value(1), QStringLiteral("10/01/2024"));
    }
};

QTEST_MAIN(TstTrovaExport)
#include "tst_trovaexport.moc"
