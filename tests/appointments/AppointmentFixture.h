#pragma once
// Small appointment archives written record by record for the list tests.
#include "core/Archives.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <initializer_list>

struct Appointment {
    QString data, ora, causale, contatto, cel, importo, flag;
    QString avviso = QStringLiteral("0");
    QString note;
};

inline QByteArray appointmentBytes(const Appointment &a) {
    Record r(Archives::appointments());
    r.set("Data", a.data);
    r.set("Ore", a.ora.left(2));
    r.set("Minuti", a.ora.mid(3, 2));
    r.set("Ora", a.ora);
    r.set("Avviso", a.avviso);
    r.set("Causale", a.causale);
    r.set("Contatto", a.contatto);
    r.set("Cel", a.cel);
    r.set("Importo", a.importo);
    r.set("Note", a.note);
    r.set("Ottemperata", a.flag);
    return r.bytes();
}

inline QByteArray appointmentArchive(const QList<Appointment> &list) {
    QByteArray bytes;
    for (const Appointment &a : list)
        bytes += appointmentBytes(a);
    return bytes;
}

// Records written field by field through the appointment layout, every
// unnamed field empty.
using FieldValues = std::initializer_list<QPair<const char *, QString>>;

inline QByteArray appointmentRecord(FieldValues values) {
    Record r(Archives::appointments());
    for (const auto &v : values)
        r.set(v.first, v.second);
    return r.bytes();
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
