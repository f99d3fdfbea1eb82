#pragma once
// Small client archives written field by field for the client tests.
#include "core/records/Archives.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <initializer_list>

using ClientValues = std::initializer_list<QPair<const char *, QString>>;

// A client record through the layout, every unnamed field empty.
inline QByteArray clientRecord(ClientValues values) {
    Record r(Archives::clients());
    for (const auto &v : values)
        r.set(v.first, v.second);
    return r.bytes();
}
