#pragma once
// A small appointment archive around the week of Monday 9 to Sunday 15 March
// 2026, seen on Wednesday 11 March: side-by-side blocks, fulfilled, overdue,
// both strips, days outside the week and a date that cannot be read.
#include "AppointmentFixture.h"

#include <QDate>

namespace PlanningFixture {

inline const QDate today(2026, 3, 11);
inline const QDate monday(2026, 3, 9);

struct Visit {
    const char *date, *hours, *minutes, *time, *operatorName, *client, *flag;
};

// Record number n is visits()[n - 1].
inline const QList<Visit> &visits() {
    static const QList<Visit> v = {
        {"09/03/2026", "09", "00", "09:00", "Anna", "Rossi Mario", "No"},       // 1
        {"09/03/2026", "09", "30", "09:30", "Marco", "Bianchi Srl", "S\u00ec"}, // 2
        {"09/03/2026", "10", "00", "10:00", "Anna", "Verdi Luca", "No"},        // 3
        {"09/03/2026", "11", "00", "11:00", "Anna", "Neri Sara", "No"},         // 4
        {"11/03/2026", "08", "15", "08:15", "Marco", "Gallo Paolo", "No"},      // 5
        {"15/03/2026", "21", "59", "21:59", "Beppe", "Conti Anna", "No"},       // 6
        {"10/03/2026", "05", "30", "05:30", "Beppe", "Ricci Giulia", "No"},     // 7
        {"10/03/2026", "xx", "", "", "Beppe", "Greco Davide", "No"},            // 8
        {"10/03/2026", "22", "00", "22:00", "Anna", "Marino Chiara", "No"},     // 9
        {"16/03/2026", "09", "00", "09:00", "Carla", "Fuori Settimana", "No"},  // 10
        {"08/03/2026", "09", "00", "09:00", "Anna", "Domenica Prima", "No"},    // 11
        {"12/03/2026", "14", "00", "14:00", "ANNA", "Colombo Sara", "S\u00ec"}, // 12
        {"31/02/2026", "09", "00", "09:00", "Zeno", "Data Sbagliata", "No"},    // 13
        {"13/03/2026", "06", "00", "06:00", "", "Senza Operatore", "X"},        // 14
        {"12/03/2026", "14", "00", "14:00", "Beppe", "Esposito Luca", "No"},    // 15
        {"14/03/2026", "07", "00", "", "Marco", "Solo Ore", "No"},              // 16
    };
    return v;
}

inline QByteArray record(const Visit &v) {
    return appointmentRecord({{"Data", QString::fromUtf8(v.date)},
                              {"Ore", QString::fromUtf8(v.hours)},
                              {"Minuti", QString::fromUtf8(v.minutes)},
                              {"Ora", QString::fromUtf8(v.time)},
                              {"Avviso", QStringLiteral("0")},
                              {"Tipologia", QString::fromUtf8(v.operatorName)},
                              {"Causale", QStringLiteral("Pulizia uffici")},
                              {"Dettagli", QStringLiteral("Portare la scala")},
                              {"Contatto", QString::fromUtf8(v.client)},
                              {"Tel", QStringLiteral("06 5551234")},
                              {"Cel", QStringLiteral("3331234567")},
                              {"Importo", QStringLiteral("80,00")},
                              {"Note", QStringLiteral("Citofonare")},
                              {"Ottemperata", QString::fromUtf8(v.flag)}});
}

inline QByteArray archive() {
    QByteArray bytes;
    for (const Visit &v : visits())
        bytes += record(v);
    return bytes;
}

} // namespace PlanningFixture
