#include "ui/card/ScrollingForm.h"

#include <QApplication>
#include <QFrame>
#include <QLayout>
#include <QScrollArea>

namespace ScrollingForm {

QScrollArea *wrap(QLayout *form, QWidget *parent) {
    auto *area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("scrSezioni"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("panSezioni"));
    sheet->setLayout(form);
    area->setWidget(sheet);
    // The card's background shows through.
    sheet->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    area->setStyleSheet(
        QStringLiteral("QScrollArea#scrSezioni, QWidget#panSezioni { background: transparent; }"));
    QObject::connect(qApp, &QApplication::focusChanged, area, [area, sheet](QWidget *, QWidget *now) {
        if (!now || !sheet->isAncestorOf(now))
            return;
        // The whole field with a little room around it (ensureWidgetVisible
        // would settle for a line edit's text cursor).
        const QRect r(now->mapTo(sheet, QPoint(0, 0)), now->size());
        area->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 12, r.height() / 2 + 12);
    });
    return area;
}

} // namespace ScrollingForm
