// The names a screen's tables give (controls, record fields) are checked when
// the screen is built, in every kind of build: every screen of the program is
// built here, so a typo in any of its tables fails with the screen and the
// name instead of crashing a test later; and a table with a wrong name of
// each kind fails so.
#include "EveryScreen.h"
#include "TestEnv.h"
#include "NameErrorOf.h"
#include "ui/card/BandRows.h"
#include "ui/card/CardParts.h"
#include "ui/export/ExportGrid.h"
#include "ui/lists/ListEntry.h"
#include "ui/search/SearchScreen.h"
#include "ui/settings/SettingsForm.h"

#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// A table of each kind with one wrong name.
const std::map<QString, std::function<void()>> &wrongTables() {
    static const std::map<QString, std::function<void()>> tables = {
        {"record field read by the code", [] { Record(Archives::contracts()).get("txtMarka"); }},
        {"line of a list", [] { LineFormat(Archives::clients()).field("Cliente", 20).field("Clienti"); }},
        {"search criterion",
         [] {
             SearchScreen(nullptr, {.caption = QStringLiteral(" Trova prova"),
                                    .layout = &Archives::clients(),
                                    .criteria = {{"txtCliente", "Cliente:", "Clienti"}},
                                    .line = LineFormat(Archives::clients()),
                                    .order = LineOrder::SortedAZ});
         }},
        {"export column",
         [] {
             ExportGrid(nullptr, {.caption = QStringLiteral(" Esporta prova"),
                                  .layout = &Archives::clients(),
                                  .columns = {{.header = QStringLiteral("Cliente"), .field = "Clienti"}}});
         }},
        {"entry field",
         [] {
             ListEntry(nullptr, {.objectName = "frmProva",
                                 .caption = QStringLiteral(" Voci di prova"),
                                 .layout = &Archives::services(),
                                 .fields = {{"txtData", "Dati", QStringLiteral("Data:"), 10}}});
         }},
        {"entry icon",
         [] {
             ListEntry(nullptr, {.objectName = "frmProva",
                                 .caption = QStringLiteral(" Voci di prova"),
                                 .layout = &Archives::services(),
                                 .fields = {{"txtData", "Data", QStringLiteral("Data:"), 10}},
                                 .buttons = {{.control = "btnOggi", .beside = "txtDat"}}});
         }},
        {"settings key",
         [] {
             QWidget form;
             form.setObjectName(QStringLiteral("frmProva"));
             QLineEdit txtDitta(&form);
             txtDitta.setObjectName(QStringLiteral("txtDitta"));
             SettingsForm(&form, [] { return QString(); }, QStringLiteral("Ditta"),
                          {{"Denominazione", "txtDitta"}, {"Sede", "txtSede"}});
         }},
        {"card field no band makes",
         [] {
             QWidget form;
             form.setObjectName(QStringLiteral("frmProva"));
             auto *band = new CardBand(QStringLiteral("PROVA"), Qt::blue, &form);
             band->setObjectName(QStringLiteral("panProva"));
             QLineEdit *txtNome = nullptr, *txtAltro = nullptr;
             const QList<CardField> fields = {{.member = txtNome, .control = "txtNome"}};
             BandRows::Rows rows(band, {}, &fields);
             rows.row({rows.field(txtNome), rows.field(txtAltro)});
         }},
    };
    return tables;
}

} // namespace

class TstScreenNames : public QObject {
    Q_OBJECT
    std::unique_ptr<EveryScreenDoubles> m_doubles;

private slots:
    void initTestCase() { m_doubles = std::make_unique<EveryScreenDoubles>(); }
    void cleanupTestCase() { m_doubles.reset(); }

    void everyScreenIsBuiltWithItsNames_data() {
        QTest::addColumn<QString>("screen");
        for (const auto &[name, make] : screens())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyScreenIsBuiltWithItsNames() {
        QFETCH(QString, screen);
        QCOMPARE(nameErrorOf([&screen] { std::unique_ptr<QWidget>(screens().at(screen)()); }), QString());
    }

    void aWrongNameIsToldWithItsScreen_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("told");
        QTest::newRow("record field read by the code") << "record field read by the code"
                                                       << R"(Contratti.pro: no field "txtMarka")";
        QTest::newRow("line of a list") << "line of a list"
                                        << R"(Contatti.pro: no field "Clienti")";
        QTest::newRow("search criterion")
            << "search criterion"
            << R"( Trova prova: no field "Clienti" in the record of Contatti.pro)";
        QTest::newRow("export column")
            << "export column"
            << R"( Esporta prova: no field "Clienti" in the record of Contatti.pro)";
        QTest::newRow("entry field") << "entry field"
                                     << R"( Voci di prova: no field "Dati" in the record of )";
        QTest::newRow("entry icon")
            << "entry icon"
            << R"( Voci di prova: the icon "btnOggi" stands beside no field "txtDat")";
        QTest::newRow("settings key") << "settings key"
                                      << R"(frmProva: no control named "txtSede")";
        QTest::newRow("card field no band makes")
            << "card field no band makes"
            << R"(frmProva: panProva places a control that has no row among the card's fields)";
    }
    void aWrongNameIsToldWithItsScreen() {
        QFETCH(QString, table);
        QFETCH(QString, told);
        QCOMPARE(nameErrorOf(wrongTables().at(table)), told);
    }
};

QTEST_MAIN(TstScreenNames)
#include "tst_screennames.moc"
