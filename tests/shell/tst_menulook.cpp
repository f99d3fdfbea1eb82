// The main menu's module buttons are their rounded tiles: the pointer over a
// tile lights it up, and nothing of the style's button panel is drawn behind
// its rounded corners.
#include "TestEnv.h"
#include "shell/Application.h"
#include "shell/Avvio.h"

#include <QTest>
#include <QToolButton>

namespace {
QImage buttonOnMenu(TfrmAvvio *menu, QToolButton *b, bool underMouse) {
    b->setAttribute(Qt::WA_UnderMouse, underMouse);
    return menu->grab(b->geometry()).toImage();
}
} // namespace

class TstMenuLook : public QObject {
    Q_OBJECT

private slots:
    void hoverLightsTheTileOnly_data() {
        QTest::addColumn<int>("slot");
        for (int slot = 1; slot <= 5; ++slot)
            QTest::newRow(qPrintable(QStringLiteral("modulo %1").arg(slot))) << slot;
    }
    void hoverLightsTheTileOnly() {
        QFETCH(int, slot);
        ScreenSeams seams;
        TfrmAvvio *menu = Tersalia::createScreens().avvio;
        menu->resize(1366, 728);
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QToolButton *b = menu->moduleButton(slot);
        QVERIFY(b->isEnabled());
        const QImage normal = buttonOnMenu(menu, b, false);
        const QImage hover = buttonOnMenu(menu, b, true);
        // The corners outside the rounded tile show the menu's background alike.
        for (const QPoint corner :
             {QPoint(1, 1), QPoint(normal.width() - 2, 1), QPoint(1, normal.height() - 2),
              QPoint(normal.width() - 2, normal.height() - 2)})
            QCOMPARE(hover.pixelColor(corner), normal.pixelColor(corner));
        // The tile itself answers the pointer.
        QVERIFY(hover != normal);
        Tersalia::destroyScreens();
    }
};

QTEST_MAIN(TstMenuLook)
#include "tst_menulook.moc"
