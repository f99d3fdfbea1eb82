// Every module window and dialog whole on a laptop's work area and on a large screen:
// it fits the work area, and every control is whole — inside its band and its window,
// clear of its neighbours, its caption not cut and not touching the field beside it —
// judged from the widgets' geometry and the fonts' metrics; the controls a user opens a
// card for are in view without scrolling. One row per screen: a new
// screen adds its row to the table (tests/support/EveryScreen.h).
#include "EveryScreen.h"
#include "TestEnv.h"
#include "DialogsByName.h"
#include "appointments/agenda/AgendaRules.h"
#include "ui/lists/RecordListView.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTemporaryFile>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <map>
#include <memory>

namespace {

// A title bar a window manager adds above a window (Windows draws about 30 pixels).
constexpr int kTitleBar = 30;
// The least room between a caption and the control beside it.
constexpr int kCaptionGap = 3;
// A band's title strip (ui/card/CardParts).
constexpr int kBandStrip = 30;

struct WorkArea {
    const char *name;
    QSize size;
};
// A laptop's 1366×768 less a taskbar, and a large screen; each less a title bar.
const WorkArea kAreas[] = {{"1366x728", {1366, 728 - kTitleBar}}, {"1920x1080", {1920, 1080 - kTitleBar}}};

QString nameOf(const QWidget *w) {
    const QString name =
        w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    if (auto *l = qobject_cast<const QLabel *>(w); l && !l->text().isEmpty())
        return name + QStringLiteral(" \"") + l->text().left(40) + QLatin1Char('"');
    if (auto *b = qobject_cast<const QAbstractButton *>(w); b && !b->text().isEmpty())
        return name + QStringLiteral(" \"") + b->text() + QLatin1Char('"');
    return name;
}

QString rectText(const QRect &r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A control is judged whole as it is; a container's children are judged one by one.
bool isControl(const QWidget *w) {
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QAbstractSlider *>(w) || qobject_cast<const QProgressBar *>(w) ||
           qobject_cast<const QTabBar *>(w) || qobject_cast<const QCalendarWidget *>(w) ||
           qobject_cast<const QLabel *>(w) ||
           (qobject_cast<const QAbstractScrollArea *>(w) && !qobject_cast<const QScrollArea *>(w));
}

// The focus frames drawn around a field and widgets of no size are not laid out.
bool isLaidOut(const QWidget *w) {
    return w->isVisible() && !w->size().isEmpty() && !w->objectName().startsWith(QLatin1String("eff")) &&
           !w->isWindow();
}

bool isPlainText(const QLabel *l) {
    return !l->text().isEmpty() && l->pixmap().isNull() &&
           (l->textFormat() == Qt::PlainText ||
            (l->textFormat() == Qt::AutoText && !Qt::mightBeRichText(l->text())));
}

// A label shows its whole text: every line as wide as the font draws it, and as many lines
// as it needs.
void checkLabel(const QLabel *l, QStringList &faults) {
    if (!isPlainText(l))
        return;
    const QFontMetrics fm = l->fontMetrics();
    const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    if (l->wordWrap()) {
        if (l->height() < l->heightForWidth(l->width()))
            faults << QStringLiteral("%1 is cut: %2 pixels high of the %3 its lines need")
                          .arg(nameOf(l))
                          .arg(l->height())
                          .arg(l->heightForWidth(l->width()));
        return;
    }
    int widest = 0;
    const QStringList lines = l->text().split(QLatin1Char('\n'));
    for (const QString &line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    const int indent = std::max(l->indent(), 0);
    if (room.width() - indent < widest)
        faults << QStringLiteral("%1 is cut: %2 pixels wide for a text of %3")
                      .arg(nameOf(l))
                      .arg(room.width() - indent)
                      .arg(widest);
    if (room.height() < fm.height() * int(lines.size()))
        faults << QStringLiteral("%1 is cut: %2 pixels high for text of %3")
                      .arg(nameOf(l))
                      .arg(room.height())
                      .arg(fm.height() * lines.size());
}

// The lists whose users come for a value at the end of a line (the cost,
// the time and hours, the mobile) show that much of a line without
// scrolling sideways: the characters up to it, for each screen.
int valueColumns(const QString &screen) {
    static const QMap<QString, int> columns = {
        {QStringLiteral("AllegaExcel"), 151},      // a service with its cost "1250,50"
        {QStringLiteral("Lavori_Svolti"), 153},    // an activity with its hours "8"
        {QStringLiteral("RiepStraordinari"), 153}, // the same line
        {QStringLiteral("Agenda"), AgendaRules::agendaMobileEnd()}};
    return columns.value(screen, 0);
}

void checkLinesInView(QWidget *window, const QString &screen, QStringList &faults) {
    const int columns = valueColumns(screen);
    auto *list = window->findChild<RecordListView *>(QStringLiteral("lstRecords"));
    if (columns == 0 || !list || !list->isVisible())
        return;
    const QString line(columns, QLatin1Char('M'));
    const QStringList kept = list->listModel()->lines();
    list->listModel()->setLines({line}, {1});
    const int needs = list->fontMetrics().horizontalAdvance(line);
    if (needs > list->viewport()->width())
        faults << QStringLiteral("lstRecords shows %1 of the %2 pixels of its first %3 characters")
                      .arg(list->viewport()->width())
                      .arg(needs)
                      .arg(columns);
    if (list->font().pointSizeF() < RecordListView::kSmallestPoints)
        faults << QStringLiteral("lstRecords is written too small");
    list->listModel()->setLines(kept, QList<qint64>(kept.size(), 1));
}

// Fields whose whole value the user reads at a glance: a street of the
// fifty characters the client card holds.
void checkWholeValues(QWidget *window, const QString &screen, QStringList &faults) {
    static const QMap<QString, QStringList> fields = {
        {QStringLiteral("Privacy"), {QStringLiteral("txtIndirizzo")}}};
    const QString street = QStringLiteral("Via Giuseppe Garibaldi 122, scala B, interno 14 A");
    for (const QString &name : fields.value(screen)) {
        auto *edit = window->findChild<QLineEdit *>(name);
        if (!edit)
            continue;
        const int needs = edit->fontMetrics().horizontalAdvance(street) + 12; // the frame's margins
        if (edit->width() < needs)
            faults << QStringLiteral("%1 is %2 pixels wide, a whole street needs %3")
                          .arg(name)
                          .arg(edit->width())
                          .arg(needs);
    }
}

// The commands and fields a user opens a card for are in view as it opens,
// on the laptop's screen too: none of them lies below the fold of the
// scrolling sections.
void checkInView(QWidget *window, const QString &screen, QStringList &faults) {
    static const QMap<QString, QStringList> controls = {
        {QStringLiteral("Clienti"), {QStringLiteral("btnPrivacy"), QStringLiteral("txtNote")}},
        {QStringLiteral("Dipendenti"), {QStringLiteral("btnLavori")}}};
    for (const QString &name : controls.value(screen)) {
        auto *control = window->findChild<QWidget *>(name);
        if (!control || !control->isVisible()) {
            faults << QStringLiteral("%1 is not shown").arg(name);
            continue;
        }
        QWidget *viewport = window;
        for (QWidget *p = control->parentWidget(); p && p != window; p = p->parentWidget())
            if (auto *area = qobject_cast<QScrollArea *>(p)) {
                viewport = area->viewport();
                break;
            }
        const QRect where(control->mapTo(viewport, QPoint(0, 0)), control->size());
        if (!viewport->rect().contains(where))
            faults << QStringLiteral("%1 (%2) is out of view (%3) until the user scrolls")
                          .arg(name, rectText(where), rectText(viewport->rect()));
    }
}

void checkControl(const QWidget *w, QStringList &faults) {
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        checkLabel(l, faults);
        return;
    }
    if (qobject_cast<const QAbstractScrollArea *>(w))
        return; // a list or text area scrolls what it holds
    const QSize need = w->minimumSizeHint();
    if (need.isValid() && (w->width() < need.width() || w->height() < need.height()))
        faults << QStringLiteral("%1 is cut: %2x%3, it needs %4x%5")
                      .arg(nameOf(w))
                      .arg(w->width())
                      .arg(w->height())
                      .arg(need.width())
                      .arg(need.height());
}

// The room a container gives its children: a band's body below its title strip.
QRect roomOf(const QWidget *container) {
    if (auto *band = qobject_cast<const CardBand *>(container))
        return container->rect().adjusted(1, band->title().isEmpty() ? 1 : kBandStrip, -1, -1);
    return container->rect();
}

void checkContainer(const QWidget *container, QStringList &faults) {
    QList<const QWidget *> children;
    for (const QObject *o : container->children())
        if (auto *w = qobject_cast<const QWidget *>(o); w && isLaidOut(w))
            children << w;
    const QRect room = roomOf(container);
    for (const QWidget *w : children) {
        if (!room.contains(w->geometry()))
            faults << QStringLiteral("%1 (%2) is outside %3 (%4)")
                          .arg(nameOf(w), rectText(w->geometry()), nameOf(container), rectText(room));
        isControl(w) ? checkControl(w, faults) : void();
    }
    for (int i = 0; i < children.size(); ++i)
        for (int j = i + 1; j < children.size(); ++j) {
            const QRect a = children[i]->geometry(), b = children[j]->geometry();
            if (a.intersects(b))
                faults << QStringLiteral("%1 (%2) overlaps %3 (%4)")
                              .arg(nameOf(children[i]), rectText(a), nameOf(children[j]), rectText(b));
        }
    // A caption keeps clear of the control to its right on the same line.
    for (const QWidget *w : children) {
        auto *caption = qobject_cast<const QLabel *>(w);
        if (!caption || !isPlainText(caption))
            continue;
        const QRect c = caption->geometry();
        for (const QWidget *next : children) {
            const QRect n = next->geometry();
            const int shared = std::min(c.bottom(), n.bottom()) - std::max(c.top(), n.top());
            if (next == w || n.left() <= c.left() || shared < std::min(c.height(), n.height()) / 2)
                continue;
            const int gap = n.left() - c.right() - 1;
            if (gap >= 0 && gap < kCaptionGap)
                faults << QStringLiteral("%1 touches %2 (%3 pixels apart)")
                              .arg(nameOf(caption), nameOf(next))
                              .arg(gap);
        }
    }
    for (const QWidget *w : children) {
        if (auto *area = qobject_cast<const QScrollArea *>(w)) {
            // Sections may scroll down on a low screen, never sideways.
            if (QWidget *sheet = area->widget()) {
                if (sheet->width() > area->viewport()->width())
                    faults << QStringLiteral("%1 scrolls sideways: %2 pixels wide in %3")
                                  .arg(nameOf(area))
                                  .arg(sheet->width())
                                  .arg(area->viewport()->width());
                checkContainer(sheet, faults);
            }
        } else if (!isControl(w)) {
            checkContainer(w, faults);
        }
    }
}

} // namespace

class TstScreenGeometry : public QObject {
    Q_OBJECT
    std::unique_ptr<EveryScreenDoubles> m_doubles;

    QScreen *screenFor(const QSize &area) {
        for (QScreen *s : QGuiApplication::screens())
            if (s->availableGeometry().size() == area)
                return s;
        return nullptr;
    }

private slots:
    void initTestCase() { m_doubles = std::make_unique<EveryScreenDoubles>(); }
    void cleanupTestCase() { m_doubles.reset(); }

    void everyScreenIsWhole_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("area");
        for (const auto &[name, make] : screens())
            for (const WorkArea &a : kAreas)
                QTest::newRow(qPrintable(name + QLatin1Char(' ') + QLatin1String(a.name))) << name << a.size;
    }
    void everyScreenIsWhole() {
        QFETCH(QString, screen);
        QFETCH(QSize, area);
        QScreen *target = screenFor(area);
        QVERIFY2(target, "the test's screens are missing");
        std::unique_ptr<QWidget> w(screens().at(screen)());
        w->winId();
        w->windowHandle()->setScreen(target);
        w->move(target->availableGeometry().topLeft());
        if (auto *module = qobject_cast<ModuleWindow *>(w.get()))
            module->openModule();
        else if (qobject_cast<TfrmAvvio *>(w.get()))
            showFullScreenArea(w.get()); // the main menu fills the screen as the modules do
        else
            w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::qWait(20);

        QStringList faults;
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        if (least.width() > area.width() || least.height() > area.height())
            faults << QStringLiteral("the window needs %1x%2").arg(least.width()).arg(least.height());
        if (!target->availableGeometry().contains(w->geometry()))
            faults
                << QStringLiteral("the window (%1) is not inside the work area").arg(rectText(w->geometry()));
        checkContainer(w.get(), faults);
        checkLinesInView(w.get(), screen, faults);
        checkWholeValues(w.get(), screen, faults);
        checkInView(w.get(), screen, faults);
        // TERSALIA_SHOTS=<folder> keeps a picture of every screen at both sizes, to look at.
        if (const QString shots = qEnvironmentVariable("TERSALIA_SHOTS"); !shots.isEmpty())
            w->grab().save(QDir(shots).filePath(QString(QTest::currentDataTag()).replace(' ', '_') +
                                                QStringLiteral(".png")));
        w->close();
        QVERIFY2(faults.isEmpty(), qPrintable(QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
    }
};

// Two screens side by side, each the size of one work area, so a window opens on either
// as on a screen of that size.
int main(int argc, char *argv[]) {
    QJsonArray list;
    int x = 0;
    for (const WorkArea &a : kAreas) {
        list.append(QJsonObject{{"name", QLatin1String(a.name)},
                                {"x", x},
                                {"y", 0},
                                {"width", a.size.width()},
                                {"height", a.size.height()},
                                {"logicalDpi", 96},
                                {"logicalBaseDpi", 96},
                                {"dpr", 1}});
        x += a.size.width();
    }
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/screens-XXXXXX.json"));
    if (!config.open())
        return 1;
    config.write(QJsonDocument(QJsonObject{{"screens", list}}).toJson());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TstScreenGeometry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screengeometry.moc"
