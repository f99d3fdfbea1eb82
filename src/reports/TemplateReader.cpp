#include "reports/TemplateReader.h"

#include "reports/ReportUnits.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Thrown inside the reader only; read()/parse() turn it into an error text.
struct TemplateError {
    QString text;
};

[[noreturn]] void fail(const QString &where, const QString &what) {
    throw TemplateError{where + QStringLiteral(": ") + what};
}

// Unknown keys are refused so that a misspelt property does not pass unnoticed.
void checkKeys(const QJsonObject &o, const QString &where, std::initializer_list<const char *> allowed) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool known = false;
        for (const char *k : allowed)
            known = known || it.key() == QLatin1String(k);
        if (!known)
            fail(where, QStringLiteral("unknown key \"%1\"").arg(it.key()));
    }
}

double number(const QJsonValue &v, const QString &where, const char *key) {
    if (!v.isDouble())
        fail(where, QStringLiteral("\"%1\" must be a number").arg(QLatin1String(key)));
    return v.toDouble();
}

QColor color(const QJsonValue &v, const QString &where, const char *key) {
    const QColor c = QColor::fromString(v.toString());
    if (!v.isString() || !c.isValid())
        fail(where, QStringLiteral("\"%1\" is not a colour").arg(QLatin1String(key)));
    return c;
}

QRectF rectMm(const QJsonValue &v, const QString &where) {
    const QJsonArray a = v.toArray();
    if (a.size() != 4)
        fail(where, QStringLiteral("\"rect\" must be [left, top, width, height] in mm"));
    double n[4];
    for (int i = 0; i < 4; ++i)
        n[i] = ReportUnits::fromMm(number(a.at(i), where, "rect"));
    return QRectF(n[0], n[1], n[2], n[3]);
}

QMarginsF margins(const QJsonValue &v, const QString &where, const char *key, bool mm) {
    auto conv = [mm](double x) { return mm ? ReportUnits::fromMm(x) : x; };
    if (v.isDouble()) {
        const double m = conv(v.toDouble());
        return QMarginsF(m, m, m, m);
    }
    const QJsonArray a = v.toArray();
    if (a.size() != 4)
        fail(where,
             QStringLiteral("\"%1\" must be a number or [left, top, right, bottom]").arg(QLatin1String(key)));
    return QMarginsF(conv(number(a[0], where, key)), conv(number(a[1], where, key)),
                     conv(number(a[2], where, key)), conv(number(a[3], where, key)));
}

ReportFont font(const QJsonValue &v, const QString &where) {
    const QJsonObject o = v.toObject();
    checkKeys(o, where + QStringLiteral(" font"), {"family", "size", "bold", "italic", "underline"});
    ReportFont f;
    f.family = o.value(QLatin1String("family")).toString(f.family);
    if (o.contains(QLatin1String("size")))
        f.size = number(o.value(QLatin1String("size")), where, "size");
    f.bold = o.value(QLatin1String("bold")).toBool();
    f.italic = o.value(QLatin1String("italic")).toBool();
    f.underline = o.value(QLatin1String("underline")).toBool();
    return f;
}

// A frame: {"sides": "all" | "none" | ["left", "top", ...], "color": "#rrggbb", "width": units}.
ReportFrame frame(const QJsonValue &v, const QString &where, bool allSidesByDefault) {
    const QJsonObject o = v.toObject();
    checkKeys(o, where + QStringLiteral(" frame"), {"sides", "color", "width"});
    ReportFrame f;
    const QJsonValue sides = o.value(QLatin1String("sides"));
    if (sides.isUndefined()) {
        f.setAll(allSidesByDefault);
    } else if (sides.isString()) {
        if (sides.toString() != QLatin1String("all") && sides.toString() != QLatin1String("none"))
            fail(where, QStringLiteral("frame sides must be \"all\", \"none\" or a list"));
        f.setAll(sides.toString() == QLatin1String("all"));
    } else {
        for (const QJsonValue &s : sides.toArray()) {
            const QString side = s.toString();
            if (side == QLatin1String("left"))
                f.left = true;
            else if (side == QLatin1String("top"))
                f.top = true;
            else if (side == QLatin1String("right"))
                f.right = true;
            else if (side == QLatin1String("bottom"))
                f.bottom = true;
            else
                fail(where, QStringLiteral("unknown frame side \"%1\"").arg(side));
        }
    }
    if (o.contains(QLatin1String("color")))
        f.color = color(o.value(QLatin1String("color")), where, "color");
    if (o.contains(QLatin1String("width")))
        f.width = number(o.value(QLatin1String("width")), where, "width");
    return f;
}

Qt::Alignment alignment(const QJsonObject &o, const QString &where) {
    Qt::Alignment a;
    const QString h = o.value(QLatin1String("align")).toString(QStringLiteral("left"));
    if (h == QLatin1String("left"))
        a |= Qt::AlignLeft;
    else if (h == QLatin1String("center"))
        a |= Qt::AlignHCenter;
    else if (h == QLatin1String("right"))
        a |= Qt::AlignRight;
    else
        fail(where, QStringLiteral("\"align\" must be left, center or right"));
    const QString v = o.value(QLatin1String("valign")).toString(QStringLiteral("top"));
    if (v == QLatin1String("top"))
        a |= Qt::AlignTop;
    else if (v == QLatin1String("center"))
        a |= Qt::AlignVCenter;
    else if (v == QLatin1String("bottom"))
        a |= Qt::AlignBottom;
    else
        fail(where, QStringLiteral("\"valign\" must be top, center or bottom"));
    return a;
}

ReportObject object(const QJsonValue &v, const QString &container) {
    const QJsonObject o = v.toObject();
    ReportObject obj;
    obj.name = o.value(QLatin1String("name")).toString();
    const QString where =
        container + QLatin1Char('/') + (obj.name.isEmpty() ? QStringLiteral("?") : obj.name);
    if (obj.name.isEmpty())
        fail(where, QStringLiteral("every object needs a \"name\""));
    obj.rect = rectMm(o.value(QLatin1String("rect")), where);
    obj.visible = o.value(QLatin1String("visible")).toBool(true);
    if (o.contains(QLatin1String("fill")))
        obj.fill = color(o.value(QLatin1String("fill")), where, "fill");
    const QString kind = o.value(QLatin1String("kind")).toString();
    if (kind == QLatin1String("memo")) {
        checkKeys(o, where,
                  {"name", "kind", "rect", "visible", "fill", "frame", "text", "font", "color", "align",
                   "valign", "wordWrap", "autoHeight", "lineHeight", "padding", "pageMacros"});
        obj.kind = ReportObjectKind::Memo;
        obj.setText(o.value(QLatin1String("text")).toString());
        if (o.contains(QLatin1String("font")))
            obj.font = font(o.value(QLatin1String("font")), where);
        if (o.contains(QLatin1String("color")))
            obj.textColor = color(o.value(QLatin1String("color")), where, "color");
        obj.alignment = alignment(o, where);
        obj.wordWrap = o.value(QLatin1String("wordWrap")).toBool(true);
        obj.autoHeight = o.value(QLatin1String("autoHeight")).toBool(false);
        if (o.contains(QLatin1String("lineHeight")))
            obj.lineHeight = number(o.value(QLatin1String("lineHeight")), where, "lineHeight");
        if (o.contains(QLatin1String("padding")))
            obj.padding = margins(o.value(QLatin1String("padding")), where, "padding", false);
        obj.pageMacros = o.value(QLatin1String("pageMacros")).toBool(false);
        if (o.contains(QLatin1String("frame")))
            obj.frame = frame(o.value(QLatin1String("frame")), where, true);
    } else if (kind == QLatin1String("picture")) {
        checkKeys(o, where,
                  {"name", "kind", "rect", "visible", "fill", "frame", "image", "keepAspect", "center"});
        obj.kind = ReportObjectKind::Picture;
        const QString image = o.value(QLatin1String("image")).toString();
        if (!image.isEmpty() && !obj.picture.load(image))
            fail(where, QStringLiteral("cannot load the picture \"%1\"").arg(image));
        obj.keepAspect = o.value(QLatin1String("keepAspect")).toBool(true);
        obj.center = o.value(QLatin1String("center")).toBool(true);
        if (o.contains(QLatin1String("frame")))
            obj.frame = frame(o.value(QLatin1String("frame")), where, true);
    } else if (kind == QLatin1String("shape")) {
        checkKeys(o, where, {"name", "kind", "rect", "visible", "fill", "frame", "shape", "radius"});
        obj.kind = ReportObjectKind::Shape;
        const QString shape = o.value(QLatin1String("shape")).toString(QStringLiteral("rectangle"));
        if (shape == QLatin1String("rectangle"))
            obj.shape = ShapeKind::Rectangle;
        else if (shape == QLatin1String("roundRect"))
            obj.shape = ShapeKind::RoundRectangle;
        else if (shape == QLatin1String("ellipse"))
            obj.shape = ShapeKind::Ellipse;
        else
            fail(where, QStringLiteral("\"shape\" must be rectangle, roundRect or ellipse"));
        if (o.contains(QLatin1String("radius")))
            obj.cornerRadius = ReportUnits::fromMm(number(o.value(QLatin1String("radius")), where, "radius"));
        // A shape is outlined unless its frame says "none".
        obj.frame = frame(o.value(QLatin1String("frame")), where, true);
    } else if (kind == QLatin1String("line")) {
        checkKeys(o, where, {"name", "kind", "rect", "visible", "frame"});
        obj.kind = ReportObjectKind::Line;
        obj.frame = frame(o.value(QLatin1String("frame")), where, true);
    } else {
        fail(where, QStringLiteral("\"kind\" must be memo, picture, shape or line"));
    }
    return obj;
}

BandKind bandKind(const QString &kind, const QString &where) {
    if (kind == QLatin1String("ReportTitle"))
        return BandKind::ReportTitle;
    if (kind == QLatin1String("PageHeader"))
        return BandKind::PageHeader;
    if (kind == QLatin1String("MasterData"))
        return BandKind::MasterData;
    if (kind == QLatin1String("ReportSummary"))
        return BandKind::ReportSummary;
    if (kind == QLatin1String("PageFooter"))
        return BandKind::PageFooter;
    fail(where, QStringLiteral("unknown band kind \"%1\"").arg(kind));
}

ReportPage page(const QJsonValue &v, int index) {
    const QJsonObject o = v.toObject();
    ReportPage p;
    p.name = o.value(QLatin1String("name")).toString(QStringLiteral("Page%1").arg(index + 1));
    const QString where = p.name;
    checkKeys(o, where, {"name", "paper", "orientation", "margins", "objects", "bands"});
    const QString paper = o.value(QLatin1String("paper")).toString(QStringLiteral("A4"));
    if (paper == QLatin1String("A4"))
        p.paper = QPageSize::A4;
    else if (paper == QLatin1String("A5"))
        p.paper = QPageSize::A5;
    else if (paper == QLatin1String("Letter"))
        p.paper = QPageSize::Letter;
    else
        fail(where, QStringLiteral("unknown paper \"%1\"").arg(paper));
    const QString orientation = o.value(QLatin1String("orientation")).toString(QStringLiteral("portrait"));
    if (orientation != QLatin1String("portrait") && orientation != QLatin1String("landscape"))
        fail(where, QStringLiteral("\"orientation\" must be portrait or landscape"));
    p.orientation =
        orientation == QLatin1String("landscape") ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (o.contains(QLatin1String("margins")))
        p.margins = margins(o.value(QLatin1String("margins")), where, "margins", true);
    for (const QJsonValue &ov : o.value(QLatin1String("objects")).toArray())
        p.objects.append(object(ov, where));
    for (const QJsonValue &bv : o.value(QLatin1String("bands")).toArray()) {
        const QJsonObject b = bv.toObject();
        ReportBand band;
        band.name = b.value(QLatin1String("name")).toString();
        const QString bandWhere = where + QLatin1Char('/') + band.name;
        if (band.name.isEmpty())
            fail(bandWhere, QStringLiteral("every band needs a \"name\""));
        checkKeys(b, bandWhere, {"name", "kind", "height", "allowSplit", "objects"});
        band.kind = bandKind(b.value(QLatin1String("kind")).toString(), bandWhere);
        band.height = ReportUnits::fromMm(number(b.value(QLatin1String("height")), bandWhere, "height"));
        band.allowSplit = b.value(QLatin1String("allowSplit")).toBool(false);
        for (const QJsonValue &ov : b.value(QLatin1String("objects")).toArray())
            band.objects.append(object(ov, bandWhere));
        p.bands.append(band);
    }
    return p;
}

} // namespace

namespace TemplateReader {

bool parse(const QByteArray &json, ReportTemplate *out, QString *error) {
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (doc.isNull() || !doc.isObject()) {
        if (error)
            *error =
                QStringLiteral("not a JSON object: %1 at offset %2").arg(pe.errorString()).arg(pe.offset);
        return false;
    }
    try {
        const QJsonObject root = doc.object();
        checkKeys(root, QStringLiteral("template"), {"name", "title", "pages"});
        ReportTemplate t;
        t.name = root.value(QLatin1String("name")).toString();
        t.title = root.value(QLatin1String("title")).toString(t.name);
        const QJsonArray pages = root.value(QLatin1String("pages")).toArray();
        if (pages.isEmpty())
            fail(QStringLiteral("template"), QStringLiteral("no pages"));
        for (int i = 0; i < pages.size(); ++i)
            t.pages.append(page(pages.at(i), i));
        *out = std::move(t);
        return true;
    } catch (const TemplateError &e) {
        if (error)
            *error = e.text;
        return false;
    }
}

bool read(const QString &fileName, ReportTemplate *out, QString *error) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = fileName + QStringLiteral(": ") + f.errorString();
        return false;
    }
    QString why;
    if (parse(f.readAll(), out, &why))
        return true;
    if (error)
        *error = fileName + QStringLiteral(": ") + why;
    return false;
}

} // namespace TemplateReader
