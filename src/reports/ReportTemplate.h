#pragma once
// A report template in memory: pages of named objects, optionally grouped in
// bands. Geometry is in report units (ReportUnits.h). Objects inside a band
// are placed from the band's top-left corner, the others from the top-left
// corner of the page's printable area (inside the margins).
#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

enum class ReportObjectKind { Memo, Picture, Shape, Line };
enum class ShapeKind { Rectangle, RoundRectangle, Ellipse };

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Frame sides of a memo or picture; the outline of a shape; the pen of a line.
struct ReportFrame {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    QColor color = Qt::black;
    double width = 1; // report units
    bool any() const { return left || top || right || bottom; }
    void setAll(bool on) { left = top = right = bottom = on; }
};

class ReportObject {
public:
    QString name;
    ReportObjectKind kind = ReportObjectKind::Memo;
    QRectF rect;
    bool visible = true;
    QColor fill; // invalid: transparent
    ReportFrame frame;

    // Memo
    ReportFont font;
    QColor textColor = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = true;
    bool autoHeight = false; // grows (with its band) to show every line
    double lineHeight = 0;   // line pitch in units; 0: the font's line spacing
    QMarginsF padding{2, 1, 2, 1};
    bool pageMacros = false; // "[PAGE#]" and "[TOTALPAGES#]" become page numbers

    // Picture
    QImage picture;
    bool keepAspect = true;
    bool center = true;

    // Shape
    ShapeKind shape = ShapeKind::Rectangle;
    double cornerRadius = 4;

    // Memo text, kept as lines so that long lists are filled one line at a time.
    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    void setText(const QString &text); // "\r\n", "\n" and "\r" all break lines
    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines) { m_lines = lines; }
    void clearLines() { m_lines.clear(); }
    void addLine(const QString &line) { m_lines.append(line); }

    double height() const { return rect.height(); }
    void setHeight(double units) { rect.setHeight(units); }
    void setPicture(const QImage &image) { picture = image; }

private:
    QStringList m_lines;
};

enum class BandKind { ReportTitle, PageHeader, MasterData, ReportSummary, PageFooter };

// Row values of a repeated band: object name (any case) -> memo text.
using ReportRow = QHash<QString, QString>;

class ReportBand {
public:
    QString name;
    BandKind kind = BandKind::MasterData;
    double height = 0;
    bool allowSplit = false; // may continue on the next page, cut between memo lines
    QList<ReportObject> objects;

    // A data band prints once, or once per row when rows are given.
    void setRows(const QList<ReportRow> &rows) {
        m_rows = rows;
        m_repeat = true;
    }
    bool repeats() const { return m_repeat; }
    const QList<ReportRow> &rows() const { return m_rows; }

private:
    QList<ReportRow> m_rows;
    bool m_repeat = false;
};

class ReportPage {
public:
    QString name;
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins; // units
    QList<ReportObject> objects;
    QList<ReportBand> bands;

    QSizeF paperSize() const;     // units, turned by the orientation
    QRectF printableArea() const; // units, inside the margins
};

class ReportTemplate {
public:
    QString name;
    QString title;
    QList<ReportPage> pages;

    // Lookups by name without regard to case; nullptr when there is none.
    ReportObject *findObject(const QString &name);
    const ReportObject *findObject(const QString &name) const;
    ReportBand *findBand(const QString &name);
    ReportPage *findPage(const QString &name);
};
