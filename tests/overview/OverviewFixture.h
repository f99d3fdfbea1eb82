#pragma once
// A small program folder for the overview: two clients' services, an
// appointment archive and two work registers, with entries on the last day of
// a month, on a leap day, in the previous year, and some that cannot be read.
// Today is 15/06/2024.
#include "TestEnv.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"

#include <QDir>

namespace OverviewFixture {

inline QDate today() { return QDate(2024, 6, 15); }

using Fields = std::initializer_list<QPair<const char *, QString>>;

inline QByteArray records(const RecordLayout &layout, std::initializer_list<Fields> list) {
    QByteArray bytes;
    for (const Fields &values : list) {
        Record r(layout);
        for (const auto &v : values)
            r.set(v.first, v.second);
        bytes += r.bytes();
    }
    return bytes;
}

inline QByteArray services(std::initializer_list<QPair<QString, QString>> dateAndAmount) {
    QByteArray bytes;
    for (const auto &e : dateAndAmount)
        bytes += records(Archives::services(), {{{"Data", e.first},
                                                 {"Ora", QStringLiteral("09:00")},
                                                 {"Servizi", QStringLiteral("Pulizia uffici")},
                                                 {"Agente", QStringLiteral("Rossi")},
                                                 {"Importo", e.second}}});
    return bytes;
}

inline QByteArray appointments(std::initializer_list<QPair<QString, QString>> dateAndFlag) {
    QByteArray bytes;
    for (const auto &e : dateAndFlag)
        bytes += records(Archives::appointments(), {{{"Data", e.first},
                                                     {"Causale", QStringLiteral("Vetri")},
                                                     {"Contatto", QStringLiteral("Bianchi")},
                                                     {"Importo", QStringLiteral("0,00")},
                                                     {"Ottemperata", e.second}}});
    return bytes;
}

inline QByteArray works(std::initializer_list<QPair<QString, QString>> dateAndHours) {
    QByteArray bytes;
    for (const auto &e : dateAndHours)
        bytes += records(Archives::works(), {{{"Data", e.first},
                                              {"Attivita", QStringLiteral("Pulizia scale")},
                                              {"Luogo", QStringLiteral("Via Roma 1")},
                                              {"TotOre", e.second}}});
    return bytes;
}

// 2024 by hand:
//   January   services 100,00 + 0,33 (2)   hours 8 + 3
//   February  services 50,50 + 20,25 (2)   hours 7,5 (on the leap day)
//   March     an amount "12.50" and hours "abc": unreadable, 2 in the year
//   April     services 1250,00 (1)
//   June      fulfilled 1, overdue 1 (the 14th), pending 2 (today, and an empty flag)
//   July      pending 1
// 2023: December services 1000,00 (1) and hours 4; May overdue 1.
// Undated (31/02/2024, "xx", 32/01/2024): 3, in no year.
// An entry with no amount is no service; a copy of a services file is no client's.
inline void write(const TempProgramFolder &folder) {
    folder.write(Archives::servicesFileName(1),
                 services({{QStringLiteral("31/01/2024"), QStringLiteral("100,00")},
                           {QStringLiteral("01/02/2024"), QStringLiteral("50,50")},
                           {QStringLiteral("29/02/2024"), QStringLiteral("20,25")},
                           {QStringLiteral("31/12/2023"), QStringLiteral("1000,00")},
                           {QStringLiteral("15/03/2024"), QStringLiteral("12.50")},
                           {QStringLiteral("31/02/2024"), QStringLiteral("10,00")},
                           {QStringLiteral("20/04/2024"), QString()}}));
    folder.write(Archives::servicesFileName(2),
                 services({{QStringLiteral("31/01/2024"), QStringLiteral("0,33")},
                           {QStringLiteral("30/04/2024"), QStringLiteral("1250,00")}}));
    folder.write(QStringLiteral("Servizi_Cliente_2 - Copia.pro"),
                 services({{QStringLiteral("31/01/2024"), QStringLiteral("999,99")}}));
    folder.write(Archives::appointments().fileName(),
                 appointments({{QStringLiteral("10/06/2024"), QStringLiteral("Sì")},
                               {QStringLiteral("14/06/2024"), QStringLiteral("No")},
                               {QStringLiteral("15/06/2024"), QStringLiteral("No")},
                               {QStringLiteral("30/06/2024"), QString()},
                               {QStringLiteral("01/07/2024"), QStringLiteral("No")},
                               {QStringLiteral("20/05/2023"), QStringLiteral("No")},
                               {QStringLiteral("xx"), QStringLiteral("No")}}));
    QDir(folder.path()).mkpath(Archives::worksFolderName());
    const QString sub = Archives::worksFolderName() + QLatin1Char('/');
    folder.write(sub + Archives::worksFileName(QStringLiteral("RSSMRA80A01H501U")),
                 works({{QStringLiteral("31/01/2024"), QStringLiteral("8")},
                        {QStringLiteral("29/02/2024"), QStringLiteral("7,5")},
                        {QStringLiteral("01/03/2024"), QStringLiteral("abc")},
                        {QStringLiteral("31/12/2023"), QStringLiteral("4")}}));
    folder.write(sub + Archives::worksFileName(QStringLiteral("BNCLGU75B02F205X")),
                 works({{QStringLiteral("31/01/2024"), QStringLiteral("3")},
                        {QStringLiteral("32/01/2024"), QStringLiteral("5")}}));
}

} // namespace OverviewFixture
