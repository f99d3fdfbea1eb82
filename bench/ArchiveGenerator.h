#pragma once
// Writes large appointment archives for the benchmarks: varied names, dates
// over three years, a quarter of the appointments fulfilled.
#include "core/Archives.h"
#include "core/RecordFile.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

inline bool writeAppointmentArchive(const QString &path, int count, quint32 seed = 42) {
    static const QStringList surnames = {"Rossi",   "Bianchi", "Verdi",   "Esposito", "Romano",
                                         "Colombo", "Ricci",   "Marino",  "Greco",    "Bruno",
                                         "Gallo",   "Conti",   "De Luca", "Mancini"};
    static const QStringList names = {"Anna", "Marco", "Giulia", "Luca", "Sara", "Paolo", "Chiara", "Davide"};
    static const QStringList services = {"Pulizia uffici",        "Sanificazione ambienti",
                                         "Lavaggio vetrate",      "Pulizia scale condominiali",
                                         "Trattamento pavimenti", "Pulizia post cantiere"};
    QFile::remove(path);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator rng(seed);
    const RecordLayout &layout = Archives::appointments();
    Record r(layout);
    const QDate base(2024, 1, 1);
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        const QDate d = base.addDays(rng.bounded(3 * 365));
        const int h = rng.bounded(24), m = rng.bounded(60);
        r.set("Data", d.toString(QStringLiteral("dd/MM/yyyy")));
        r.set("Ore", QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')));
        r.set("Minuti", QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
        r.set("Ora", QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')));
        r.set("Avviso", QString::number(rng.bounded(15)));
        r.set("Tipologia", names[rng.bounded(names.size())]);
        r.set("Causale",
              services[rng.bounded(services.size())] + QStringLiteral(" piano %1").arg(rng.bounded(8)));
        r.set("Dettagli", QStringLiteral("Portare i prodotti specifici per superfici delicate"));
        r.set("Contatto",
              surnames[rng.bounded(surnames.size())] + QLatin1Char(' ') + names[rng.bounded(names.size())]);
        r.set("Tel", QStringLiteral("06%1").arg(rng.bounded(1000000, 9999999)));
        r.set("Cel", QStringLiteral("33%1").arg(rng.bounded(10000000, 99999999)));
        r.set("Email", QStringLiteral("cliente%1@esempio.it").arg(i));
        r.set("Luogo", QStringLiteral("Bonifico bancario a 30 giorni"));
        r.set("Importo", QStringLiteral("%1,00").arg(rng.bounded(40, 900)));
        r.set("Note", QStringLiteral("Nota numero %1").arg(i));
        r.set("Ottemperata", rng.bounded(4) == 0 ? QStringLiteral("Sì") : QStringLiteral("No"));
        chunk += r.bytes();
        if (chunk.size() > (8 << 20)) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.write(chunk);
    return out.error() == QFile::NoError;
}

// Writes a client archive: varied names, towns, zones and interests.
inline bool writeClientArchive(const QString &path, int count, quint32 seed = 7) {
    static const QStringList surnames = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo",
                                         "Ricci", "Marino",  "Greco", "Bruno",    "Gallo",  "Conti"};
    static const QStringList names = {"Anna", "Marco", "Giulia", "Luca", "Sara", "Paolo", "Chiara", "Davide"};
    static const QStringList towns = {"Roma", "Milano", "Cesena", "Forlì", "Rimini", "Bologna", "Ravenna"};
    static const QStringList products = {"Pulizia uffici", "Sanificazione", "Lavaggio vetrate",
                                         "Pulizia scale", "Trattamento pavimenti"};
    QFile::remove(path);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator rng(seed);
    Record r(Archives::clients());
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        r.set("Cliente",
              surnames[rng.bounded(surnames.size())] + QLatin1Char(' ') + names[rng.bounded(names.size())]);
        r.set("DataNasc", QStringLiteral("%1/%2/19%3")
                              .arg(rng.bounded(1, 29))
                              .arg(rng.bounded(1, 13))
                              .arg(rng.bounded(40, 99)));
        r.set("Recapito", QStringLiteral("06%1").arg(rng.bounded(1000000, 9999999)));
        r.set("IndirizzoRes", QStringLiteral("Via Garibaldi %1").arg(rng.bounded(1, 200)));
        r.set("ComuneRes", towns[rng.bounded(towns.size())]);
        r.set("TelCel", QStringLiteral("33%1").arg(rng.bounded(10000000, 99999999)));
        r.set("Email", QStringLiteral("cliente%1@esempio.it").arg(i));
        r.set("CodFisc", QStringLiteral("RSSMRA80A01H%1").arg(rng.bounded(100, 999)) + QLatin1Char('U'));
        r.set("Estremi", QStringLiteral("Bonifico bancario a 30 giorni"));
        r.set("Occupazione", QStringLiteral("Impiegato"));
        r.set("Prodotti", products[rng.bounded(products.size())]);
        r.set("Zona", QStringLiteral("Zona %1").arg(rng.bounded(10)));
        r.set("Note", QStringLiteral("Nota numero %1").arg(i));
        r.set("Ricontatta", rng.bounded(5) == 0 ? QStringLiteral("Sì") : QStringLiteral("No"));
        chunk += r.bytes();
        if (chunk.size() > (8 << 20)) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.write(chunk);
    return out.error() == QFile::NoError;
}
