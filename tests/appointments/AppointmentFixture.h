#pragma once
// Small appointment archives written record by record for the list tests.
#include "core/records/Archives.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <initializer_list>

struct Appointment {
    QString data, ora, causale, contatto, cel, importo, flag;
    QString avviso = QStringLiteral("0");
    QString note;
};

// Records written field by field through the appointment layout, every
// unnamed field empty.
using FieldValues = std::initializer_list<QPair<const char *, QString>>;

inline QByteArray appointmentRecord(FieldValues values) {
    Record r(Archives::appointments());
    for (const auto &v : values)
        r.set(v.first, v.second);
    return r.bytes();
}

inline QByteArray appointmentBytes(const Appointment &a) {
    return appointmentRecord({{"Data", a.data},
                              {"Ore", a.ora.left(2)},
                              {"Minuti", a.ora.mid(3, 2)},
                              {"Ora", a.ora},
                              {"Avviso", a.avviso},
                              {"Causale", a.causale},
                              {"Contatto", a.contatto},
                              {"Cel", a.cel},
                              {"Importo", a.importo},
                              {"Note", a.note},
                              {"Ottemperata", a.flag}});
}

inline QByteArray appointmentArchive(const QList<Appointment> &list) {
    QByteArray bytes;
    for (const Appointment &a : list)
        bytes += appointmentBytes(a);
    return bytes;
}

// A complete appointment: date, time, notice and flag; the client's name,
// mobile, services and amount given or made up.
inline QByteArray appointment(const QString &date, const QString &hours, const QString &minutes,
                              const QString &notice, const QString &done, const QString &client,
                              const QString &mobile = QStringLiteral("3331234567"),
                              const QString &services = QStringLiteral("Pulizia uffici"),
                              const QString &amount = QStringLiteral("120,00")) {
    return appointmentRecord({{"Data", date},
                              {"Ore", hours},
                              {"Minuti", minutes},
                              {"Ora", hours + QLatin1Char(':') + minutes},
                              {"Avviso", notice},
                              {"Tipologia", QStringLiteral("Anna")},
                              {"Causale", services},
                              {"Dettagli", QStringLiteral("Portare la scala")},
                              {"Contatto", client},
                              {"Tel", QStringLiteral("06 5551234")},
                              {"Cel", mobile},
                              {"Email", QStringLiteral("cliente@esempio.it")},
                              {"Luogo", QStringLiteral("Bonifico")},
                              {"Importo", amount},
                              {"Note", QStringLiteral("Citofonare")},
                              {"Ottemperata", done}});
}
