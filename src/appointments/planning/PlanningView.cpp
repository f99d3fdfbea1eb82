#include "appointments/planning/PlanningView.h"

#include "appointments/repetition/Recurrence.h"
#include "core/text/Formats.h"
#include "core/calendar/Holidays.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Planning;

namespace PlanningLook {

namespace {
struct StateColours {
    QColor fill, border, text;
};
// In the order of Planning::State: to fulfil, fulfilled (grey), overdue (red).
const StateColours &colours(State state) {
    static const StateColours table[] = {
        {QColor(212, 230, 250), QColor(46, 112, 180), QColor(16, 40, 72)},
        {QColor(226, 226, 226), QColor(150, 150, 150), QColor(110, 110, 110)},
        {QColor(250, 212, 212), QColor(196, 36, 36), QColor(120, 16, 16)},
    };
    return table[int(state)];
}
} // namespace

QColor fill(State state) { return colours(state).fill; }
QColor border(State state) { return colours(state).border; }
QColor text(State state) { return colours(state).text; }

QString dayHeading(const QDate &day) {
    return Recurrence::weekdayName(day) + QLatin1Char(' ') + Formats::dateText(day).left(5);
}

QColor headingFill(const QDate &day, bool today) {
    if (today)
        return {190, 60, 70};
    if (day.dayOfWeek() >= 6 || !Holidays::name(day).isEmpty())
        return {92, 104, 124};
    return {52, 72, 104};
}

QString hint(const Appointment &a) {
    // Details and notes may be long: the hint keeps to two lines of the panel.
    const auto cut = [](const QString &s) { return s.size() > 90 ? s.left(89) + QChar(0x2026) : s; };
    QStringList parts{a.client + (a.time.isEmpty() ? QString() : QStringLiteral(", ore ") + a.time)};
    const QList<QPair<QString, QString>> more = {{QStringLiteral("Tel.: "), a.phone},
                                                 {QStringLiteral("Cel.: "), a.mobile},
                                                 {QStringLiteral("Dettagli: "), cut(a.details)},
                                                 {QStringLiteral("Note: "), cut(a.notes)}};
    for (const auto &[caption, value] : more)
        if (!value.isEmpty())
            parts << caption + value;
    return parts.join(QStringLiteral("  \u2013  "));
}

} // namespace PlanningLook

namespace {
const QColor kLine(200, 208, 218);
const QColor kHalfLine(226, 231, 238);
const QColor kStrip(238, 241, 246);
const QColor kHours(70, 80, 96);

QFont smallFont(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Less than a line of a block in view counts as out of view.
constexpr int kLineInView = 14;
const QColor kHiddenMark(28, 62, 110);
} // namespace

PlanningSheet::PlanningSheet(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("panSettimana"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlanningSheet::setWeek(const Week *week, const QList<Block> &blocks) {
    m_week = week;
    m_blocks = blocks;
    m_early = stripLines(blocks, Place::Early);
    m_late = stripLines(blocks, Place::Late);
    m_hot = -1;
    setMinimumHeight(sizeHint().height());
    updateGeometry();
    update();
}

int PlanningSheet::stripHeight(Place place) const {
    const int lines = place == Place::Early ? m_early : m_late;
    return std::max(1, lines) * stripLine + 6;
}

QSize PlanningSheet::sizeHint() const {
    return {hourColumn + 7 * 100, stripHeight(Place::Early) + rows * rowHeight + stripHeight(Place::Late)};
}

QRect PlanningSheet::dayColumn(int day) const {
    const int room = width() - hourColumn;
    const int left = hourColumn + room * day / 7, right = hourColumn + room * (day + 1) / 7;
    return QRect(left, 0, right - left, height());
}

int PlanningSheet::rowTop(int row) const { return gridTop() + row * rowHeight; }

QRect PlanningSheet::blockRect(const Block &b) const {
    const QRect column = dayColumn(b.day).adjusted(2, 0, -2, 0);
    if (b.place != Place::Grid) {
        const int top = (b.place == Place::Early ? 3 : rowTop(rows) + 3) + b.line * stripLine;
        return QRect(column.left(), top, column.width(), stripLine - 2);
    }
    const int left = column.left() + column.width() * b.lane / b.lanes;
    const int right = column.left() + column.width() * (b.lane + 1) / b.lanes;
    const int top = gridTop() + b.offset * rowHeight / rowMinutes;
    const int bottom = std::min(top + blockMinutes * rowHeight / rowMinutes, rowTop(rows));
    return QRect(left, top + 1, right - left - 1, bottom - top - 2);
}

void PlanningSheet::setBand(int top, int bottom) {
    if (top == m_bandTop && bottom == m_bandBottom)
        return;
    m_bandTop = top;
    m_bandBottom = bottom;
    update();
}

int PlanningSheet::hiddenAbove(int day) const {
    if (m_bandBottom < 0)
        return 0;
    return int(std::count_if(m_blocks.begin(), m_blocks.end(), [&](const Block &b) {
        return b.day == day && blockRect(b).bottom() < m_bandTop + kLineInView;
    }));
}

int PlanningSheet::hiddenBelow(int day) const {
    if (m_bandBottom < 0)
        return 0;
    return int(std::count_if(m_blocks.begin(), m_blocks.end(), [&](const Block &b) {
        return b.day == day && blockRect(b).top() > m_bandBottom - kLineInView;
    }));
}

QRect PlanningSheet::blockInside(const Block &b) const {
    const QRect r = blockRect(b);
    return r.adjusted(r.width() < 40 ? 5 : 7, 2, -3, -1);
}

bool PlanningSheet::timeWhole(int block) const {
    const Block &b = m_blocks.at(block);
    const QString time = m_week->appointments().at(b.appointment).time;
    const QRect inside = blockInside(b);
    const QFontMetrics fm(smallFont(11, true));
    const int length = fm.horizontalAdvance(time);
    return length <= inside.width() || (length <= inside.height() && fm.height() <= inside.width() + 2);
}

int PlanningSheet::blockAt(const QPoint &pos) const {
    // The later block is drawn over the earlier: it is the one under the mouse.
    for (qsizetype i = m_blocks.size() - 1; i >= 0; --i)
        if (blockRect(m_blocks.at(i)).contains(pos))
            return int(i);
    return -1;
}

void PlanningSheet::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int gridBottom = rowTop(rows);
    // The strips and the hours.
    p.fillRect(QRect(0, 0, width(), gridTop()), kStrip);
    p.fillRect(QRect(0, gridBottom, width(), height() - gridBottom), kStrip);
    p.fillRect(QRect(0, gridTop(), hourColumn, gridBottom - gridTop()), QColor(246, 248, 251));
    p.setFont(smallFont(11));
    p.setPen(kHours);
    p.drawText(QRect(0, 0, hourColumn - 6, gridTop()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("< 06:00"));
    p.drawText(QRect(0, gridBottom, hourColumn - 6, height() - gridBottom), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("> 22:00"));
    for (int row = 0; row <= rows; ++row) {
        const int y = rowTop(row);
        const bool hour = row % 2 == 0;
        p.setPen(hour ? kLine : kHalfLine);
        p.drawLine(hour ? 0 : hourColumn, y, width(), y);
        if (hour && row < rows) {
            p.setPen(kHours);
            p.drawText(QRect(0, y + 2, hourColumn - 6, rowHeight), Qt::AlignRight | Qt::AlignTop,
                       QStringLiteral("%1:00").arg(firstHour + row / 2, 2, 10, QLatin1Char('0')));
        }
    }
    p.setPen(kLine);
    for (int day = 0; day <= 7; ++day) {
        const int x = day < 7 ? dayColumn(day).left() : width() - 1;
        p.drawLine(x, 0, x, height());
    }
    p.drawLine(0, height() - 1, width(), height() - 1);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < m_blocks.size(); ++i)
        paintBlock(p, m_blocks.at(i), i == m_hot);
    paintHidden(p);
}

// "▲ 2" at the top of a day, "▼ 1" at its foot: visits out of view.
void PlanningSheet::paintHidden(QPainter &p) const {
    if (m_bandBottom < 0)
        return;
    p.setFont(smallFont(11, true));
    const QFontMetrics fm = p.fontMetrics();
    for (int day = 0; day < 7; ++day) {
        const QRect column = dayColumn(day);
        const struct {
            int count;
            QString arrow;
            int top;
        } marks[] = {{hiddenAbove(day), QStringLiteral("\u25B2 "), m_bandTop + 3},
                     {hiddenBelow(day), QStringLiteral("\u25BC "), m_bandBottom - fm.height() - 5}};
        for (const auto &m : marks) {
            if (m.count == 0)
                continue;
            const QString text = m.arrow + QString::number(m.count);
            const int width = fm.horizontalAdvance(text) + 10;
            const QRect badge(column.right() - width - 3, m.top, width, fm.height() + 2);
            p.setPen(Qt::NoPen);
            p.setBrush(kHiddenMark);
            p.drawRoundedRect(badge, 6, 6);
            p.setPen(Qt::white);
            p.drawText(badge, Qt::AlignCenter, text);
        }
    }
}

void PlanningSheet::paintBlock(QPainter &p, const Block &b, bool hot) const {
    const Appointment &a = m_week->appointments().at(b.appointment);
    const QRect r = blockRect(b);
    p.setPen(QPen(PlanningLook::border(a.state), hot ? 2.5 : 1));
    p.setBrush(PlanningLook::fill(a.state));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    // A coloured edge on the left, as a diary's tab.
    p.fillRect(QRect(r.left() + 1, r.top() + 3, 3, r.height() - 6), PlanningLook::border(a.state));
    const QRect inside = b.place == Place::Grid ? blockInside(b) : r.adjusted(7, 2, -3, -1);
    p.save();
    p.setClipRect(inside);
    p.setPen(PlanningLook::text(a.state));
    if (b.place != Place::Grid) {
        p.setFont(smallFont(11));
        const QString line = a.time + QLatin1Char(' ') + a.client + QStringLiteral(" \u2013 ") + a.services;
        p.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(line, Qt::ElideRight, inside.width()));
        p.restore();
        return;
    }
    // Too narrow for the time across (six visits at one hour): the time and
    // the client run along the block, read from the bottom up.
    if (QFontMetrics(smallFont(11, true)).horizontalAdvance(a.time) > inside.width()) {
        p.setFont(smallFont(11, true));
        p.translate(inside.left(), inside.bottom());
        p.rotate(-90);
        const QRect along(0, 0, inside.height(), inside.width());
        p.drawText(
            along, Qt::AlignLeft | Qt::AlignVCenter,
            p.fontMetrics().elidedText(a.time + QLatin1Char(' ') + a.client, Qt::ElideRight,
                                       std::max(along.width(), p.fontMetrics().horizontalAdvance(a.time))));
        p.restore();
        return;
    }
    const QStringList lines = {a.time + QLatin1Char(' ') + a.client, a.services, a.operatorName};
    int y = inside.top();
    for (int i = 0; i < lines.size(); ++i) {
        p.setFont(smallFont(11, i == 0));
        const QFontMetrics fm = p.fontMetrics();
        if (y + fm.height() > inside.bottom() + 2)
            break;
        p.drawText(QRect(inside.left(), y, inside.width(), fm.height()), Qt::AlignLeft | Qt::AlignTop,
                   fm.elidedText(lines.at(i), Qt::ElideRight, inside.width()));
        y += fm.height();
    }
    p.restore();
}

void PlanningSheet::mouseMoveEvent(QMouseEvent *e) {
    const int at = blockAt(e->position().toPoint());
    if (at == m_hot)
        return;
    m_hot = at;
    update();
    emit hovered(at < 0 ? -1 : m_blocks.at(at).appointment);
}

void PlanningSheet::leaveEvent(QEvent *) {
    if (m_hot < 0)
        return;
    m_hot = -1;
    update();
    emit hovered(-1);
}

void PlanningSheet::mouseDoubleClickEvent(QMouseEvent *e) {
    const int at = blockAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && at >= 0)
        emit chosen(m_blocks.at(at).appointment);
}

PlanningDays::PlanningDays(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("panGiorni"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PlanningDays::setWeek(const QDate &monday, const QDate &today) {
    m_monday = monday;
    m_today = today;
    update();
}

void PlanningDays::setRightMargin(int pixels) {
    m_right = pixels;
    update();
}

QStringList PlanningDays::headings() const {
    QStringList out;
    for (int d = 0; d < 7; ++d)
        out << PlanningLook::dayHeading(m_monday.addDays(d));
    return out;
}

void PlanningDays::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const int room = width() - m_right - PlanningSheet::hourColumn;
    const QStringList names = headings();
    for (int d = 0; d < 7; ++d) {
        const int left = PlanningSheet::hourColumn + room * d / 7;
        const QRect r(left, 0, PlanningSheet::hourColumn + room * (d + 1) / 7 - left, height());
        const QDate day = m_monday.addDays(d);
        p.fillRect(r.adjusted(1, 0, -1, 0), PlanningLook::headingFill(day, day == m_today));
        p.setPen(Qt::white);
        p.setFont(smallFont(13, true));
        p.drawText(r, Qt::AlignCenter, names.at(d));
    }
}

PlanningView::PlanningView(QWidget *parent) : QWidget(parent) {
    days = new PlanningDays(this);
    sheet = new PlanningSheet;
    scrOre = new QScrollArea(this);
    scrOre->setObjectName(QStringLiteral("scrOre"));
    scrOre->setWidget(sheet);
    scrOre->setWidgetResizable(true);
    scrOre->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so the headings keep the columns' width.
    scrOre->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrOre->setFrameShape(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(days);
    layout->addWidget(scrOre, 1);
    days->setRightMargin(scrOre->verticalScrollBar()->sizeHint().width());
    // The marks of the visits out of view follow the scrolling and the view's height.
    connect(scrOre->verticalScrollBar(), &QScrollBar::valueChanged, this, &PlanningView::markHidden);
    connect(scrOre->verticalScrollBar(), &QScrollBar::rangeChanged, this, &PlanningView::markHidden);
}

void PlanningView::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    markHidden();
}

void PlanningView::markHidden() {
    const int top = scrOre->verticalScrollBar()->value();
    sheet->setBand(top, top + scrOre->viewport()->height());
}

void PlanningView::showWeek(const Week &week, const QList<Block> &blocks, const QDate &today) {
    days->setWeek(week.monday(), today);
    sheet->setWeek(&week, blocks);
    markHidden();
}

void PlanningView::scrollToHour(int hour) {
    scrOre->verticalScrollBar()->setValue(sheet->rowTop((hour - firstHour) * 2) - 1);
}

void PlanningView::revealEarliest() {
    int top = -1;
    for (const Block &b : sheet->blocks())
        if (const int t = sheet->blockRect(b).top(); top < 0 || t < top)
            top = t;
    QScrollBar *bar = scrOre->verticalScrollBar();
    if (top >= 0 && top < bar->value())
        bar->setValue(std::max(0, top - 4));
}
