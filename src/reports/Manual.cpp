#include "reports/Manual.h"

#include "core/ProgramFolder.h"
#include "reports/ReportEngine.h"

#include <QFileInfo>

namespace Manual {

QString fileName() { return QStringLiteral("Guida.pdf"); }

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
    ok = chapter && engine.prepare() && engine.exportPdf(pdfFile, pdf);
    if (!ok && error)
        *error =
            chapter ? engine.errorString() : QStringLiteral("The manual's template has no chapter band.");
    return ok;
}

bool ensureInProgramFolder(const QList<HelpText> &chapters) {
    const QString target = ProgramFolder::file(fileName());
    if (QFileInfo::exists(target))
        return true;
    return write(chapters, target);
}

} // namespace Manual
