#pragma once
// Small employee archives and work files for the employee module's tests.
#include "core/records/Archives.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <initializer_list>

using FieldValues = std::initializer_list<QPair<const char *, QString>>;

inline QByteArray employeeRecord(FieldValues values) {
    Record r(Archives::employees());
    for (const auto &v : values)
        r.set(v.first, v.second);
    return r.bytes();
}

// An employee with the five required fields and a few more.
inline QByteArray employee(const QString &name, const QString &taxCode, const QString &qualifica = "Operaio",
                           const QString &reparto = "Uffici", const QString &note = QString()) {
    return employeeRecord({{"Dipendente", name},
                           {"CodFisc", taxCode},
                           {"Cel", "3330000000"},
                           {"Qualifica", qualifica},
                           {"Reparto", reparto},
                           {"Disponibilita", "Mattina"},
                           {"Note", note}});
}

struct Activity {
    QString data, attivita, luogo, orario, totOre;
};

inline QByteArray workRecord(const Activity &a) {
    Record r(Archives::works());
    r.set("Data", a.data);
    r.set("Attivita", a.attivita);
    r.set("Luogo", a.luogo);
    r.set("Orario", a.orario);
    r.set("TotOre", a.totOre);
    return r.bytes();
}

inline QByteArray workFile(const QList<Activity> &list) {
    QByteArray bytes;
    for (const Activity &a : list)
        bytes += workRecord(a);
    return bytes;
}

inline QString workFileName(const QString &taxCode) {
    return QStringLiteral("Archivio_Lavori/Lavori_Dipendente_CF_") + taxCode + QStringLiteral(".pro");
}
