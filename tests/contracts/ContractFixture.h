#pragma once
// Contract records written by hand, byte by byte, from the field table of
// Contratti.pro (offsets and widths), independent of the program's layout.
#include <QByteArray>
#include <QList>
#include <QString>

#include <initializer_list>

namespace ContractFixture {

constexpr int kSize = 4891;

// Offsets of the contract record's fields.
enum Offset {
    NumContratto = 0,
    Data = 31,
    Luogo = 42,
    Ditta = 93,
    PartitaIva = 214,
    CodFisc = 226,
    Sede = 243,
    ProvRes = 294,
    CapRes = 297,
    Via = 303,
    TelUff = 424,
    TelCel = 455,
    Fax = 506,
    Cliente = 627,
    ComuneCli = 678,
    ProvCli = 729,
    CapCli = 732,
    PartitaIvaCli = 738,
    CodFiscCli = 750,
    ViaCli = 767,
    TelCli = 888,
    QualitaCli = 919,
    TipoImpianto = 970,
    Marca = 1021,
    Matricola = 1272,
    Alimentazione = 1323,
    AnnoCostruz = 1444,
    Caratteristiche = 1495,
    Ubicazione = 1746,
    Durata = 1997,
    Totale = 2048,
    Periodicita = 2099,
    ImpCanone = 2150,
    Pagamento = 2166,
    OpInc01 = 2417,
    OpInc02 = 2538,
    OpInc03 = 2659,
    OpInc04 = 2780,
    OpEsc01 = 2901,
    OpEsc02 = 3022,
    OpEsc03 = 3143,
    OpEsc04 = 3264,
    File01 = 3385,
    File02 = 3636,
    File03 = 3887,
    Desc01 = 4138,
    Desc02 = 4389,
    Desc03 = 4640,
};

struct Put {
    int offset;
    QByteArray text; // Windows-1252
};

inline QByteArray contract(std::initializer_list<Put> puts) {
    QByteArray r(kSize, '\0');
    for (const Put &p : puts) {
        r[p.offset] = char(p.text.size());
        r.replace(p.offset + 1, p.text.size(), p.text);
    }
    return r;
}

inline QByteArray stored(const QByteArray &file, int n, int offset) {
    const int at = (n - 1) * kSize + offset;
    return file.mid(at + 1, uchar(file.at(at)));
}

inline QByteArray join(const QList<QByteArray> &records) {
    QByteArray all;
    for (const QByteArray &r : records)
        all += r;
    return all;
}

} // namespace ContractFixture
