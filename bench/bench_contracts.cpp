// Times the contract search and the contract export on a large archive, next
// to the time of reading the same file once (the same ratios as the
// appointments' benchmarks).
//   bench_contracts [records]   (default 20000; run with QT_QPA_PLATFORM=offscreen)
#include "contracts/ExpContratti.h"
#include "contracts/TrovaContratti.h"
#include "core/Archives.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "ui/GridModel.h"
#include "ui/ListPanel.h"
#include "ui/RecordListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

namespace {

bool writeContractArchive(const QString &path, int count, quint32 seed = 7) {
    static const QStringList clients = {"Condominio Aurora", "Studio Rossi",   "Bianchi Srl",
                                        "Farmacia Verdi",    "Hotel Miramare", "Scuola Dante",
                                        "Esposito Anna",     "Palestra Forma"};
    static const QStringList kinds = {"Ufficio", "Condominio", "Negozio", "Magazzino", "Abitazione"};
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator rng(seed);
    Record r(Archives::contracts());
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        r.set("txtNumContratto", QString::number(i + 1));
        r.set("txtData", QStringLiteral("%1/%2/2024")
                             .arg(rng.bounded(1, 29), 2, 10, QLatin1Char('0'))
                             .arg(rng.bounded(1, 13), 2, 10, QLatin1Char('0')));
        r.set("txtLuogo", QStringLiteral("Roma"));
        r.set("txtDitta", QStringLiteral("Splendor Pulizie Srl"));
        r.set("txtCliente", clients[rng.bounded(clients.size())] + QStringLiteral(" %1").arg(i));
        r.set("txtComuneCli", QStringLiteral("Frascati"));
        r.set("txtProvCli", QStringLiteral("RM"));
        r.set("txtViaCli", QStringLiteral("Viale Europa %1").arg(rng.bounded(1, 200)));
        r.set("txtTelCli", QStringLiteral("06%1").arg(rng.bounded(1000000, 9999999)));
        r.set("txtTipoImpianto", kinds[rng.bounded(kinds.size())]);
        r.set("txtMarca",
              QStringLiteral("Piano %1, scala %2").arg(rng.bounded(8)).arg(QChar(u'A' + rng.bounded(4))));
        r.set("txtMatricola", QStringLiteral("%1 mesi").arg(6 * rng.bounded(1, 5)));
        r.set("txtImpCanone", QStringLiteral("%1,00").arg(rng.bounded(80, 3000)));
        r.set("txtPagamento", QStringLiteral("Bonifico bancario a 30 giorni"));
        r.set("txtOpInc01", QStringLiteral("Pulizia pavimenti"));
        r.set("txtOpInc02", QStringLiteral("Svuotamento cestini"));
        r.set("txtOpInc03", QStringLiteral("Pulizia servizi igienici"));
        chunk += r.bytes();
        if (chunk.size() > (8 << 20)) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.write(chunk);
    return out.error() == QFile::NoError;
}

double readOnce(const QString &path) {
    QElapsedTimer t;
    t.start();
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QByteArray block(4 << 20, Qt::Uninitialized);
    while (f.read(block.data(), block.size()) > 0) {
    }
    return t.nsecsElapsed() / 1e6;
}

void report(const char *what, double ms, double baseline) {
    std::printf("%-44s %9.1f ms  (%.2f x one read)\n", what, ms, ms / baseline);
}

// Export questions: yes to exporting, no to opening the file; nothing shown.
class Answers : public MessageSink {
public:
    bool show(QWidget *, MessageKind, const QString &text) override { return text == ExportGrid::askText(); }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString path = ProgramFolder::file(QStringLiteral("Contratti.pro"));
    if (!writeContractArchive(path, count))
        return 1;
    std::printf("%d contracts, %.1f MB\n", count, QFile(path).size() / 1e6);
    readOnce(path);
    const double once = readOnce(path);
    report("read the file once", once, once);

    QElapsedTimer t;
    {
        TfrmTrovaContratti search;
        search.criterion("txtTipoImpianto")->setText(QStringLiteral("ufficio"));
        search.criterion("txtOpInc01")->setText(QStringLiteral("pavimenti"));
        t.start();
        search.btnCercaClick();
        report("search, two criteria", t.nsecsElapsed() / 1e6, once);
        std::printf("  (%d lines)\n", search.list->lstRecords->listModel()->count());
    }
    {
        TfrmTrovaContratti search;
        t.start();
        search.btnCercaClick();
        report("search, no criteria (whole archive, sorted)", t.nsecsElapsed() / 1e6, once);
    }
    {
        Answers answers;
        Messages::setSink(&answers);
        TfrmExpContratti grid;
        t.start();
        grid.fill();
        report("export grid filled", t.nsecsElapsed() / 1e6, once);
        t.start();
        grid.cmdEsporta->click();
        report("Contratti.xls written", t.nsecsElapsed() / 1e6, once);
        std::printf("  (%d rows, %.1f MB)\n", grid.model()->rows(),
                    QFile(ProgramFolder::file(QStringLiteral("Contratti.xls"))).size() / 1e6);
        Messages::setSink(nullptr);
    }
    return 0;
}
