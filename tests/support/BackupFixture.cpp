#include "BackupFixture.h"

#include "core/records/Archives.h"
#include "backup/engine/BackupManifest.h"
#include "core/records/RecordLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <zip.h>
#include <zlib.h>

namespace BackupFixture {

namespace {
QByteArray records(const RecordLayout &layout, const char *field, int count, const QString &prefix) {
    QByteArray out;
    Record r(layout);
    for (int i = 0; i < count; ++i) {
        r.set(field, prefix + QString::number(i + 1));
        out += r.bytes();
    }
    return out;
}

QByteArray noise(qsizetype size, quint32 seed) {
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator g(seed);
    g.fillRange(reinterpret_cast<quint32 *>(b.data()), size / 4);
    return b;
}

bool put(const QString &folder, const QString &name, const QByteArray &bytes) {
    const QString path = QDir(folder).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
} // namespace

QStringList notDataFiles() {
    return {QStringLiteral("tersalia"),
            QStringLiteral("libQt6Core.so.6"),
            QStringLiteral("Guida.pdf"),
            QStringLiteral("Avviso.mp3"),
            QStringLiteral("Salvataggio.ini"),
            QStringLiteral("Clienti.xls"),
            QStringLiteral("translations/qtbase_it.qm")};
}

QHash<QString, QByteArray> fill(const QString &folder, bool bigAttachment) {
    QHash<QString, QByteArray> data;
    data[QStringLiteral("Contatti.pro")] =
        records(Archives::clients(), "Cliente", 3, QStringLiteral("Cliente "));
    data[QStringLiteral("Archivio_Appuntamenti.pro")] =
        records(Archives::appointments(), "Contatto", 5, QStringLiteral("Appuntamento "));
    data[QStringLiteral("Archivio_Dipendenti.pro")] =
        records(Archives::employees(), "Dipendente", 2, QStringLiteral("Dipendente "));
    data[QStringLiteral("Contratti.pro")] = QByteArray(); // an archive with no record yet
    data[QStringLiteral("Servizi_Cliente_2.pro")] =
        records(Archives::services(), "Servizi", 4, QStringLiteral("Pulizia "));
    data[QStringLiteral("Archivio_Lavori/Lavori_Dipendente_CF_RSSMRA80A01H501U.pro")] =
        records(Archives::works(), "Attivita", 6, QStringLiteral("Uffici "));
    data[QStringLiteral("Anagrafica/Scheda_Dipendente_1.jpg")] = noise(30000, 1);
    data[QStringLiteral("Documenti_Allegati/Contratto firmato è già qui.pdf")] = noise(5000, 2);
    data[QStringLiteral("Documenti_Allegati/Preventivo città di Forlì.docx")] = noise(7000, 3);
    data[QStringLiteral("Documenti_Allegati/Ωmega ricevuta.txt")] = "ricevuta";
    data[QStringLiteral("Documenti_Allegati/vuoto.txt")] = QByteArray();
    if (bigAttachment)
        data[QStringLiteral("Documenti_Allegati/Planimetria grande.tif")] = noise(20 << 20, 4);
    data[QStringLiteral("Contratti.ini")] = "[Ditta Pulizie]\r\nRagione Sociale=Pulizie Rapide \xe8 Co.\r\n";
    data[QStringLiteral("Liberatoria_Privacy.ini")] = "[Privacy]\r\nTitolare=Mario Rossi\r\n";
    data[QStringLiteral("unins000.dll")] = "[Accesso]\r\nValore=5EE66662641A2EB1394199220485\r\n";
    data[QStringLiteral("Logo.bmp")] = noise(2000, 5);
    for (auto it = data.cbegin(); it != data.cend(); ++it)
        put(folder, it.key(), it.value());
    for (const QString &name : notDataFiles())
        put(folder, name, "non sono dati: " + name.toUtf8());
    return data;
}

QHash<QString, QByteArray> tree(const QString &folder) {
    QHash<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files[QDir(folder).relativeFilePath(path)] = f.readAll();
    }
    return files;
}

quint32 crcOf(const QByteArray &bytes) {
    return quint32(
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
}

bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &entries, bool withList,
              bool wrongCrc, const QList<QPair<QString, QByteArray>> &listedOnly) {
    int error = 0;
    zip_t *za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!za)
        return false;
    QList<QPair<QString, QByteArray>> all = entries;
    if (withList) {
        BackupManifest m;
        m.made = QDateTime(QDate(2026, 11, 30), QTime(18, 5));
        m.version = QStringLiteral("1.0");
        for (const auto &[name, bytes] : entries)
            m.entries.append({name, bytes.size(), crcOf(bytes) + (wrongCrc && m.entries.isEmpty() ? 1 : 0)});
        for (const auto &[name, bytes] : listedOnly)
            m.entries.append({name, bytes.size(), crcOf(bytes)});
        all.prepend({BackupManifest::fileName(), m.toBytes()});
    }
    // The buffers must live until zip_close.
    QList<QByteArray> keep;
    for (const auto &[name, bytes] : all) {
        keep.append(bytes);
        zip_source_t *src = zip_source_buffer(za, keep.last().constData(), zip_uint64_t(bytes.size()), 0);
        if (!src || zip_file_add(za, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8) < 0) {
            zip_discard(za);
            return false;
        }
    }
    return zip_close(za) == 0;
}

} // namespace BackupFixture
