#include "reports/ReportLayout.h"

#include "reports/ReportFonts.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>

QPageLayout PreparedPage::pageLayout() const {
    return QPageLayout(QPageSize(paper), orientation, QMarginsF(0, 0, 0, 0));
}

namespace {

constexpr double eps = 1e-6;

QString withoutTrailingBlanks(QString s) {
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}

QStringList wrap(const QStringList &paragraphs, const QFont &font, double width) {
    QStringList out;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString &paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            out.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font, ReportFonts::measureDevice());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width * ReportFonts::measureScale);
            out.append(withoutTrailingBlanks(paragraph.mid(line.textStart(), line.textLength())));
        }
        layout.endLayout();
    }
    return out;
}

// Where line 0 starts, from the memo's top edge.
double textOffset(const PreparedObject &p) {
    const ReportObject &o = p.object;
    const double inner = o.rect.height() - o.padding.top() - o.padding.bottom();
    const double content = p.lines.size() * p.pitch;
    if (o.alignment & Qt::AlignVCenter)
        return o.padding.top() + (inner - content) / 2;
    if (o.alignment & Qt::AlignBottom)
        return o.padding.top() + inner - content;
    return o.padding.top();
}

// A band ready to be placed: its objects filled (and measured), its height
// grown by any memo that grows with its text.
struct BandInstance {
    double height = 0;
    bool allowSplit = false;
    QList<QSharedPointer<PreparedObject>> objects;
};

BandInstance instantiate(const ReportBand &band, const ReportRow *row) {
    BandInstance b;
    b.height = band.height;
    b.allowSplit = band.allowSplit;
    QHash<QString, QString> values;
    if (row)
        for (auto it = row->begin(); it != row->end(); ++it)
            values.insert(it.key().toLower(), it.value());
    for (const ReportObject &o : band.objects) {
        if (!o.visible)
            continue;
        ReportObject filled = o;
        const auto value = values.constFind(o.name.toLower());
        if (value != values.constEnd())
            filled.setText(*value);
        auto p = QSharedPointer<PreparedObject>::create(filled.kind == ReportObjectKind::Memo
                                                            ? ReportLayout::measure(filled)
                                                            : PreparedObject{filled, {}, 0, 0});
        b.objects.append(p);
    }
    // Growing memos push down what lies below them, top to bottom.
    QList<QSharedPointer<PreparedObject>> byTop = b.objects;
    std::stable_sort(byTop.begin(), byTop.end(), [](const auto &x, const auto &y) {
        return x->object.rect.top() < y->object.rect.top();
    });
    for (const auto &p : byTop) {
        ReportObject &o = p->object;
        if (o.kind != ReportObjectKind::Memo || !o.autoHeight)
            continue;
        const double needed = o.padding.top() + p->lines.size() * p->pitch + o.padding.bottom();
        const double delta = needed - o.rect.height();
        if (delta <= eps)
            continue;
        const double oldBottom = o.rect.bottom();
        o.rect.setHeight(needed);
        for (const auto &other : b.objects)
            if (other != p && other->object.rect.top() >= oldBottom - eps)
                other->object.rect.translate(0, delta);
        b.height += delta;
    }
    return b;
}

class Flow {
public:
    Flow(const ReportPage &page, PreparedReport &out)
        : m_page(page), m_out(out), m_area(page.printableArea()) {
        for (const ReportBand &band : page.bands) {
            if (band.kind == BandKind::PageHeader)
                m_headers.append(instantiate(band, nullptr));
            else if (band.kind == BandKind::PageFooter)
                m_footers.append(instantiate(band, nullptr));
        }
        double footerHeight = 0;
        for (const BandInstance &f : m_footers)
            footerHeight += f.height;
        m_limit = m_area.bottom() - footerHeight;
    }

    void run() {
        newPage();
        // Objects outside the bands belong to the first sheet.
        for (const ReportObject &o : m_page.objects) {
            if (!o.visible)
                continue;
            auto p = QSharedPointer<PreparedObject>::create(
                o.kind == ReportObjectKind::Memo ? ReportLayout::measure(o) : PreparedObject{o, {}, 0, 0});
            addItem(p, o.rect.top(), o.rect.bottom(), m_area.top(), 0);
        }
        for (const ReportBand &band : m_page.bands) {
            if (band.kind == BandKind::PageHeader || band.kind == BandKind::PageFooter)
                continue;
            if (band.repeats()) {
                for (const ReportRow &row : band.rows())
                    place(instantiate(band, &row));
            } else {
                place(instantiate(band, nullptr));
            }
        }
        finishPage();
    }

private:
    void newPage() {
        if (m_started)
            finishPage();
        m_started = true;
        PreparedPage sheet;
        sheet.paper = m_page.paper;
        sheet.orientation = m_page.orientation;
        sheet.size = m_page.paperSize();
        m_out.pages.append(sheet);
        m_y = m_area.top();
        for (const BandInstance &h : m_headers) {
            emitPart(h, 0, h.height, m_y);
            m_y += h.height;
        }
        m_pageEmpty = true;
        m_finished = false;
    }

    void finishPage() {
        if (m_finished)
            return;
        double y = m_limit;
        for (const BandInstance &f : m_footers) {
            emitPart(f, 0, f.height, y);
            y += f.height;
        }
        m_finished = true;
    }

    void place(const BandInstance &b) {
        if (m_y + b.height <= m_limit + eps) {
            emitPart(b, 0, b.height, m_y);
            m_y += b.height;
            m_pageEmpty = false;
            return;
        }
        if (!b.allowSplit) {
            if (!m_pageEmpty)
                newPage();
            emitPart(b, 0, b.height, m_y); // taller than a page: what overflows is lost
            m_y += b.height;
            m_pageEmpty = false;
            return;
        }
        double from = 0;
        for (;;) {
            const double avail = m_limit - m_y;
            if (from + avail >= b.height - eps) {
                emitPart(b, from, b.height, m_y);
                m_y += b.height - from;
                m_pageEmpty = false;
                return;
            }
            double cut = splitPoint(b, from, from + avail);
            if (cut <= from + eps) {
                if (!m_pageEmpty) {
                    newPage();
                    continue;
                }
                if (avail <= eps) { // headers and footers leave no room at all
                    emitPart(b, from, b.height, m_y);
                    m_y += b.height - from;
                    return;
                }
                cut = from + avail; // a single line taller than the page: cut it
            }
            emitPart(b, from, cut, m_y);
            m_pageEmpty = false;
            from = cut;
            if (!showsAnything(b, from, b.height)) { // only the band's blank foot is left
                m_y = m_limit;
                return;
            }
            newPage();
        }
    }

    // Moves a cut up so that no memo line and no small object is sliced.
    static double splitPoint(const BandInstance &b, double from, double cut) {
        for (int round = 0; round < 8; ++round) {
            const double before = cut;
            for (const auto &p : b.objects) {
                const ReportObject &o = p->object;
                if (o.kind == ReportObjectKind::Memo && !p->lines.isEmpty()) {
                    const double top = o.rect.top() + textOffset(*p);
                    const double i = std::floor((cut - top) / p->pitch + eps);
                    if (i >= 0 && i < p->lines.size()) {
                        const double start = top + i * p->pitch;
                        if (start < cut - eps && start + p->pitch > cut + eps &&
                            start <= o.rect.bottom() + eps)
                            cut = std::max(start, from);
                    }
                } else if (o.kind != ReportObjectKind::Memo && o.kind != ReportObjectKind::Line) {
                    if (o.rect.top() > from + eps && o.rect.top() < cut - eps && o.rect.bottom() > cut + eps)
                        cut = o.rect.top();
                }
            }
            if (cut == before)
                break;
        }
        return cut;
    }

    // Whether the part of a band between from and to has anything to draw.
    static bool showsAnything(const BandInstance &b, double from, double to) {
        for (const auto &p : b.objects) {
            const ReportObject &o = p->object;
            const QRectF &r = o.rect;
            if (r.bottom() <= from + eps || r.top() >= to - eps)
                continue;
            if (o.kind != ReportObjectKind::Memo || o.fill.isValid() || o.frame.any())
                return true;
            const double top = r.top() + textOffset(*p);
            const double first =
                std::max(0.0, std::ceil((from - top) / p->pitch - eps)); // first line in the part
            if (first < p->lines.size() && top + first * p->pitch < std::min(to, r.bottom()) - eps)
                return true;
        }
        return false;
    }

    void emitPart(const BandInstance &b, double from, double to, double atY) {
        for (const auto &p : b.objects)
            addItem(p, from, to, atY, from);
    }

    // Adds the part of an object lying between from and to (in its container's
    // coordinates) to the current sheet, with from placed at atY.
    void addItem(const QSharedPointer<PreparedObject> &p, double from, double to, double atY, double origin) {
        const ReportObject &o = p->object;
        const QRectF &r = o.rect;
        const double shift = atY - origin;
        PreparedItem item;
        item.source = p;
        if (o.kind == ReportObjectKind::Line) {
            if (r.top() < from - eps || r.top() > to + eps ||
                (r.top() >= to - eps && to > from + eps && r.height() > eps))
                return;
            item.box = r.translated(m_area.left(), shift);
            m_out.pages.last().items.append(item);
            return;
        }
        const double top = std::max(r.top(), from);
        const double bottom = std::min(r.bottom(), to);
        if (bottom - top <= eps)
            return;
        item.box = QRectF(r.left() + m_area.left(), top + shift, r.width(), bottom - top);
        if (o.kind == ReportObjectKind::Memo) {
            const double textTop = r.top() + textOffset(*p);
            item.textTop = textTop + shift;
            const auto n = p->lines.size();
            auto index = [&](double y) {
                const double i = std::ceil((y - textTop) / p->pitch - eps);
                return int(std::clamp<double>(i, 0, double(n)));
            };
            item.firstLine = index(top);
            item.lastPart = to >= r.bottom() - eps;
            item.endLine = item.lastPart ? int(n) : index(bottom);
        }
        m_out.pages.last().items.append(item);
    }

    const ReportPage &m_page;
    PreparedReport &m_out;
    QRectF m_area;
    QList<BandInstance> m_headers;
    QList<BandInstance> m_footers;
    double m_limit = 0;
    double m_y = 0;
    bool m_pageEmpty = true;
    bool m_finished = false;
    bool m_started = false;
};

} // namespace

namespace ReportLayout {

PreparedObject measure(const ReportObject &memo) {
    PreparedObject p{memo, {}, 0, 0};
    const QFont font = ReportFonts::font(memo.font);
    const QFontMetricsF fm(font, ReportFonts::measureDevice());
    p.ascent = fm.ascent() / ReportFonts::measureScale;
    p.pitch = memo.lineHeight > 0 ? memo.lineHeight : fm.lineSpacing() / ReportFonts::measureScale;
    if (p.pitch <= 0)
        p.pitch = 1;
    if (memo.wordWrap) {
        const double width = memo.rect.width() - memo.padding.left() - memo.padding.right();
        p.lines = wrap(memo.lines(), font, std::max(width, 1.0));
    } else {
        p.lines = memo.lines();
    }
    return p;
}

PreparedReport prepare(const ReportTemplate &report) {
    PreparedReport out;
    out.title = report.title;
    for (const ReportPage &page : report.pages) {
        const qsizetype before = out.pages.size();
        Flow flow(page, out);
        flow.run();
        Q_ASSERT(out.pages.size() > before);
    }
    return out;
}

} // namespace ReportLayout
