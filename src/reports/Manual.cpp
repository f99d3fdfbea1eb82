#include "reports/Manual.h"

#include "core/platform/ProgramFolder.h"
#include "reports/PdfExport.h"
#include "reports/ReportEngine.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace Manual {

QString fileName() { return QStringLiteral("Guida.pdf"); }

QByteArray stampKey() { return QByteArrayLiteral("/TersaliaHelpTexts"); }

QString stamp(const QList<HelpText> &chapters) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const HelpText &help : chapters) {
        hash.addData(help.title.toUtf8());
        hash.addData(QByteArrayView("\x01", 1));
        for (const QString &paragraph : help.paragraphs) {
            hash.addData(paragraph.toUtf8());
            hash.addData(QByteArrayView("\x02", 1));
        }
        hash.addData(QByteArrayView("\x03", 1));
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool write(const QList<HelpText> &chapters, const QString &pdfFile, QString *error) {
    ReportEngine engine;
    bool ok = engine.load(QStringLiteral(":/reports/Guida.json"));
    ReportBand *chapter = ok ? engine.findBand(QStringLiteral("Capitolo")) : nullptr;
    if (chapter) {
        QList<ReportRow> rows;
        for (int i = 0; i < chapters.size(); ++i) {
            const HelpText &help = chapters.at(i);
            rows.append({{QStringLiteral("txtCapitolo"), QStringLiteral("%1. %2").arg(i + 1).arg(help.title)},
                         // A blank line between paragraphs.
                         {QStringLiteral("txtTesto"), help.paragraphs.join(QStringLiteral("\n\n"))}});
        }
        chapter->setRows(rows);
    }
    PdfSettings pdf;
    pdf.title = QStringLiteral("Guida all'utilizzo del software");
    pdf.subject = QStringLiteral("Manuale d'uso di Tersalia");
    pdf.author = QStringLiteral("Tersalia");
    pdf.creator = QStringLiteral("Tersalia");
    pdf.extraInfo.insert(stampKey(), stamp(chapters));
    ok = chapter && engine.prepare() && engine.exportPdf(pdfFile, pdf);
    if (!ok && error)
        *error =
            chapter ? engine.errorString() : QStringLiteral("The manual's template has no chapter band.");
    return ok;
}

bool ensureInProgramFolder(const QList<HelpText> &chapters) {
    const QString target = ProgramFolder::file(fileName());
    // A manual made from other help texts (an earlier version of the program)
    // is written again; the new file replaces the old one only once complete,
    // so a manual the user holds open stays as it is.
    if (QFileInfo::exists(target) && PdfExport::infoEntry(target, stampKey()) == stamp(chapters))
        return true;
    return write(chapters, target) || QFileInfo::exists(target);
}

} // namespace Manual
