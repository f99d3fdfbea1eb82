#pragma once
// Writes large appointment archives for the benchmarks: varied names, dates
// over three years, a quarter of the appointments fulfilled.
#include "core/records/Archives.h"
#include "core/records/RecordFile.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <functional>

// Writes count records made by make(record, index, rng), in large pieces.
inline bool writeRecords(const QString &path, const RecordLayout &layout, int count,
                         const std::function<void(Record &, int, QRandomGenerator &)> &make,
                         quint32 seed = 42) {
    QFile::remove(path);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator rng(seed);
    Record r(layout);
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        r.clear();
        make(r, i, rng);
        chunk += r.bytes();
        if (chunk.size() > (8 << 20)) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.write(chunk);
    return out.error() == QFile::NoError;
}

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

// A contract archive: varied clients, dates in one year, kinds of premises.
inline bool writeContractArchive(const QString &path, int count) {
    static const QStringList clients = {"Condominio Aurora", "Studio Rossi",   "Bianchi Srl",
                                        "Farmacia Verdi",    "Hotel Miramare", "Scuola Dante",
                                        "Esposito Anna",     "Palestra Forma"};
    static const QStringList kinds = {"Ufficio", "Condominio", "Negozio", "Magazzino", "Abitazione"};
    return writeRecords(path, Archives::contracts(), count, [](Record &r, int i, QRandomGenerator &rng) {
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
        r.set("txtImpCanone", QStringLiteral("%1,00").arg(rng.bounded(80, 3000)));
        r.set("txtPagamento", QStringLiteral("Bonifico bancario a 30 giorni"));
        r.set("txtOpInc01", QStringLiteral("Pulizia pavimenti"));
        r.set("txtOpInc02", QStringLiteral("Svuotamento cestini"));
    });
}

// An employee archive: names, tax codes, departments.
inline bool writeEmployeeArchive(const QString &path, int count) {
    static const QStringList surnames = {"Rossi",  "Bianchi", "Verdi", "Esposito",
                                         "Romano", "Colombo", "Ricci"};
    static const QStringList names = {"Anna", "Marco", "Giulia", "Luca", "Sara", "Paolo"};
    static const QStringList departments = {"Uffici", "Condomini", "Ospedali", "Scuole", "Cantieri"};
    return writeRecords(path, Archives::employees(), count, [](Record &r, int i, QRandomGenerator &rng) {
        r.set("Dipendente",
              surnames[rng.bounded(surnames.size())] + QLatin1Char(' ') + names[rng.bounded(names.size())]);
        r.set("CodFisc", QStringLiteral("CF%1").arg(i, 14, 10, QLatin1Char('0')));
        r.set("Cel", QStringLiteral("33%1").arg(rng.bounded(10000000, 99999999)));
        r.set("Qualifica", QStringLiteral("Operaio"));
        r.set("Reparto", departments[rng.bounded(departments.size())]);
        r.set("Disponibilita", QStringLiteral("Mattina e pomeriggio"));
        r.set("Mansioni", QStringLiteral("Pulizie ordinarie e straordinarie"));
        r.set("Note", QStringLiteral("Nota numero %1").arg(i));
    });
}

// A work file: activities over six years from 2020.
inline bool writeWorkFile(const QString &path, int count) {
    static const QStringList works = {"Pulizia uffici", "Sanificazione ambienti", "Lavaggio vetrate",
                                      "Pulizia scale condominiali", "Trattamento pavimenti"};
    const QDate base(2020, 1, 1);
    return writeRecords(path, Archives::works(), count, [&base](Record &r, int, QRandomGenerator &rng) {
        r.set("Data", base.addDays(rng.bounded(6 * 365)).toString(QStringLiteral("dd/MM/yyyy")));
        r.set("Attivita", works[rng.bounded(works.size())]);
        r.set("Luogo", QStringLiteral("Via Roma %1").arg(rng.bounded(1, 200)));
        r.set("Orario", QStringLiteral("8-%1").arg(rng.bounded(9, 18)));
        r.set("TotOre", QString::number(rng.bounded(1, 10)));
    });
}

// A client's services file: services over three years from 2024, amounts with
// the comma as the services screen stores them.
inline bool writeServicesFile(const QString &path, int count, quint32 seed) {
    const QDate base(2024, 1, 1);
    return writeRecords(
        path, Archives::services(), count,
        [&base](Record &r, int, QRandomGenerator &rng) {
            r.set("Data", base.addDays(rng.bounded(3 * 365)).toString(QStringLiteral("dd/MM/yyyy")));
            r.set("Ora", QStringLiteral("%1:00").arg(rng.bounded(8, 18), 2, 10, QLatin1Char('0')));
            r.set("Servizi", QStringLiteral("Pulizia uffici e vetrate"));
            r.set("Agente", QStringLiteral("Rossi"));
            r.set("Importo", QStringLiteral("%1,%2")
                                 .arg(rng.bounded(20, 900))
                                 .arg(rng.bounded(100), 2, 10, QLatin1Char('0')));
        },
        seed);
}
