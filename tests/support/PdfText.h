#pragma once
// What a reader sees in a PDF file, through poppler's command line tools:
// the words with their boxes (pdftotext -bbox) and the document information
// (pdfinfo). Boxes are in PDF points from the page's top-left corner.
#include <QList>
#include <QMap>
#include <QRectF>
#include <QString>

struct PdfWord {
    QString text;
    QRectF box;
};

class PdfText {
public:
    static bool toolsAvailable();
    // pdfinfo's "Key: value" lines (Title, Subject, Author, Creator, Pages, Page size...).
    static QMap<QString, QString> info(const QString &pdfFile);
    // Report units (1/96 inch) to PDF points.
    static QRectF points(const QRectF &units) {
        return QRectF(units.x() * 0.75, units.y() * 0.75, units.width() * 0.75, units.height() * 0.75);
    }

    explicit PdfText(const QString &pdfFile);
    bool isValid() const { return m_valid; }
    int pageCount() const { return int(m_pages.size()); }
    QSizeF pageSize(int page) const { return m_pages.at(page).size; }
    const QList<PdfWord> &words(int page) const { return m_pages.at(page).words; }
    // The words whose centre lies in box, line by line ("\n") and word by word (" ").
    QString textIn(int page, const QRectF &box) const;
    QString pageText(int page) const;
    // Every page's text, pages joined by "\n".
    QString allText() const;

private:
    struct Page {
        QSizeF size;
        QList<PdfWord> words;
    };
    QList<Page> m_pages;
    bool m_valid = false;
};
