#include "reports/ReportPreview.h"

#include "reports/ReportRenderer.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

enum class Icon { Print, ZoomIn, ZoomOut, FullScreen, Close };

// The toolbar's icons are painted: the platform's icon theme is not always there.
QIcon icon(Icon kind) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 70, 120);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (kind) {
    case Icon::Print:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(190, 205, 225));
        p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 9));
        break;
    case Icon::ZoomIn:
    case Icon::ZoomOut:
        p.setBrush(QColor(225, 235, 248));
        p.drawEllipse(QRectF(4, 4, 17, 17));
        p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 12.5), QPointF(16.5, 12.5));
        if (kind == Icon::ZoomIn)
            p.drawLine(QPointF(12.5, 8.5), QPointF(12.5, 16.5));
        break;
    case Icon::FullScreen: {
        QPainterPath path;
        for (const QPointF &c : {QPointF(4, 4), QPointF(28, 4), QPointF(28, 28), QPointF(4, 28)}) {
            const double dx = c.x() < 16 ? 8 : -8;
            const double dy = c.y() < 16 ? 8 : -8;
            path.moveTo(c.x() + dx, c.y());
            path.lineTo(c);
            path.lineTo(c.x(), c.y() + dy);
        }
        p.drawPath(path);
        p.drawRect(QRectF(11, 11, 10, 10));
        break;
    }
    case Icon::Close:
        p.setPen(QPen(QColor(170, 40, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    }
    p.end();
    return QIcon(pm);
}

QAction *makeAction(QToolBar *bar, Icon kind, const QString &text, const QString &name,
                    const QKeySequence &key) {
    QAction *a = bar->addAction(icon(kind), text);
    a->setObjectName(name);
    a->setToolTip(text);
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

} // namespace

ReportPreview::ReportPreview(const PreparedReport &report, std::function<void(QWidget *)> print,
                             QWidget *parent)
    : QDialog(parent), m_report(report), m_print(std::move(print)), m_printer(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa") +
                   (report.title.isEmpty() ? QString() : QStringLiteral(" - ") + report.title));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);

    toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("barAnteprima"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setMovable(false);
    actStampa = makeAction(toolbar, Icon::Print, QStringLiteral("Stampa"), QStringLiteral("actStampa"),
                           QKeySequence::Print);
    toolbar->addSeparator();
    actIngrandisci = makeAction(toolbar, Icon::ZoomIn, QStringLiteral("Ingrandisci"),
                                QStringLiteral("actIngrandisci"), QKeySequence::ZoomIn);
    actRiduci = makeAction(toolbar, Icon::ZoomOut, QStringLiteral("Riduci"), QStringLiteral("actRiduci"),
                           QKeySequence::ZoomOut);
    actSchermoIntero = makeAction(toolbar, Icon::FullScreen, QStringLiteral("Schermo intero"),
                                  QStringLiteral("actSchermoIntero"), QKeySequence(Qt::Key_F11));
    actSchermoIntero->setCheckable(true);
    toolbar->addSeparator();
    actChiudi = makeAction(toolbar, Icon::Close, QStringLiteral("Chiudi"), QStringLiteral("actChiudi"),
                           QKeySequence());

    // The preview printer only records the pages; its paper follows the report.
    m_printer.setFullPage(true);
    m_printer.setDocName(report.title);
    if (!report.pages.isEmpty())
        m_printer.setPageLayout(report.pages.first().pageLayout());
    view = new QPrintPreviewWidget(&m_printer, this);
    view->setObjectName(QStringLiteral("viewPagine"));
    view->setViewMode(QPrintPreviewWidget::SinglePageView);
    view->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(view, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { ReportRenderer::render(m_report, printer); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(view, 1);

    connect(actStampa, &QAction::triggered, this, [this]() {
        if (m_print)
            m_print(this);
    });
    connect(actIngrandisci, &QAction::triggered, view, [this]() { view->zoomIn(1.25); });
    connect(actRiduci, &QAction::triggered, view, [this]() { view->zoomOut(1.25); });
    connect(actSchermoIntero, &QAction::triggered, this, &ReportPreview::toggleFullScreen);
    connect(actChiudi, &QAction::triggered, this, &QDialog::reject);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    resize(available * 0.85);
}

void ReportPreview::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
    actSchermoIntero->setChecked(isFullScreen());
}

// The meta-object code is built with this unit, so a program using this class
// does not pull in every other screen of the library.
#include "moc_ReportPreview.cpp"
