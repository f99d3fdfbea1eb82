#include "PdfText.h"

#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

QByteArray run(const QString &program, const QStringList &args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}

// Words in reading order, grouped into lines by their vertical position.
QString joinWords(QList<PdfWord> words) {
    std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        if (std::abs(a.box.center().y() - b.box.center().y()) > a.box.height() / 3)
            return a.box.center().y() < b.box.center().y();
        return a.box.left() < b.box.left();
    });
    QString out;
    double lineY = 0;
    double lineH = 0;
    for (int i = 0; i < words.size(); ++i) {
        const PdfWord &w = words.at(i);
        if (i == 0) {
            out = w.text;
        } else if (std::abs(w.box.center().y() - lineY) > lineH / 3) {
            out += QLatin1Char('\n') + w.text;
        } else {
            out += QLatin1Char(' ') + w.text;
            continue;
        }
        lineY = w.box.center().y();
        lineH = w.box.height();
    }
    return out;
}

} // namespace

bool PdfText::toolsAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QMap<QString, QString> PdfText::info(const QString &pdfFile) {
    QMap<QString, QString> out;
    const QString text = QString::fromUtf8(
        run(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfFile}));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            out.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return out;
}

PdfText::PdfText(const QString &pdfFile) {
    const QByteArray xml =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), pdfFile, QStringLiteral("-")});
    if (xml.isEmpty())
        return;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement())
            continue;
        const auto a = r.attributes();
        if (r.name() == QLatin1String("page")) {
            m_pages.append(Page{QSizeF(a.value(QLatin1String("width")).toDouble(),
                                       a.value(QLatin1String("height")).toDouble()),
                                {}});
        } else if (r.name() == QLatin1String("word") && !m_pages.isEmpty()) {
            const double x0 = a.value(QLatin1String("xMin")).toDouble();
            const double y0 = a.value(QLatin1String("yMin")).toDouble();
            const double x1 = a.value(QLatin1String("xMax")).toDouble();
            const double y1 = a.value(QLatin1String("yMax")).toDouble();
            m_pages.last().words.append(
                PdfWord{r.readElementText(), QRectF(QPointF(x0, y0), QPointF(x1, y1))});
        }
    }
    m_valid = !r.hasError() && !m_pages.isEmpty();
}

QString PdfText::textIn(int page, const QRectF &box) const {
    QList<PdfWord> inside;
    const QRectF area = box.adjusted(-0.5, -0.5, 0.5, 0.5);
    for (const PdfWord &w : m_pages.at(page).words)
        if (area.contains(w.box.center()))
            inside.append(w);
    return joinWords(inside);
}

QString PdfText::pageText(int page) const { return joinWords(m_pages.at(page).words); }

QString PdfText::allText() const {
    QStringList pages;
    for (int i = 0; i < pageCount(); ++i)
        pages.append(pageText(i));
    return pages.join(QLatin1Char('\n'));
}
