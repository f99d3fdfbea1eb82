#pragma once
// Small appointment archives written record by record for the list tests.
#include "core/Archives.h"

#include <QByteArray>
#include <QString>

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
