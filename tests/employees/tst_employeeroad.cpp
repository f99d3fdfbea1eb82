// A new user's road through the employee module, from the main menu: enter an
// employee, find the card again, record three activities in the register and
// see their hours in the month's summary; the files are checked byte for byte.
#include "EmployeeFixture.h"
#include "TestEnv.h"
#include "core/platform/Clock.h"
#include "employees/card/Dipendenti.h"
#include "employees/register/Lavori_Svolti.h"
#include "employees/register/MenuRiepStraordinari.h"
#include "employees/register/RiepStraordinari.h"
#include "employees/card/TrovaDipendenti.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TstEmployeeRoad : public QObject {
    Q_OBJECT

    static void type(QWidget *w, const QString &text) {
        w->setFocus();
        QTest::keyClicks(w, text);
    }

private slots:
    void fromTheMainMenuToTheMonthsHours() {
        ScreenSeams seams;
        Clock::setFixed(QDateTime(QDate(2024, 3, 28), QTime(18, 0)));
        const Tersalia::Screens screens = Tersalia::createScreens();
        screens.avvio->show();

        // The card, from "ARCHIVIO DIPENDENTI E PRESTAZIONI".
        QVERIFY(screens.avvio->moduleButton(1)->isEnabled());
        screens.avvio->moduleButton(1)->click();
        TfrmDipendenti *card = screens.dipendenti;
        QVERIFY(card->isVisible());
        QVERIFY(!screens.avvio->isVisible());
        type(card->txtDipendente, QStringLiteral("Esposito Giulia"));
        type(card->txtCodFisc, QStringLiteral("spsglu85e45f839k"));
        type(card->txtCel, QStringLiteral("3471112233"));
        type(card->txtQualifica, QStringLiteral("Addetta alle pulizie"));
        type(card->txtReparto, QStringLiteral("Uffici"));
        card->cmdSalva->click();
        QCOMPARE(seams.messages.lastText(),
                 QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(seams.folder.read("Archivio_Dipendenti.pro"),
                 employeeRecord({{"Dipendente", "Esposito Giulia"},
                                 {"CodFisc", "SPSGLU85E45F839K"},
                                 {"Cel", "3471112233"},
                                 {"Qualifica", "Addetta alle pulizie"},
                                 {"Reparto", "Uffici"}}));
        QCOMPARE(QImage(seams.folder.file("Anagrafica/Scheda_Dipendente_1.jpg")).size(), QSize(307, 394));

        // Found again from a new card.
        card->cmdNuovo->click();
        whenModal([](QWidget *w) {
            auto *search = qobject_cast<TfrmTrovaDipendenti *>(w);
            QVERIFY(search);
            search->criterion("txtDipendente")->setText(QStringLiteral("esposito"));
            search->btnCerca->click();
            QCOMPARE(search->list->lstRecords->listModel()->count(), 1);
            search->loadLine(0);
        });
        card->cmdTrova->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(card->txtCodFisc->text(), QStringLiteral("SPSGLU85E45F839K"));

        // Three activities, one opening of the register each.
        const QList<Activity> three = {{"04/03/2024", "Pulizia uffici", "Via Roma 1", "8-12", "4"},
                                       {"12/03/2024", "Sanificazione", "Scuola Verdi", "13-21", "8"},
                                       {"27/03/2024", "Vetrate", "Condominio Aurora", "14-17", "3"}};
        for (const Activity &a : three) {
            whenModal([&](QWidget *w) {
                auto *work = qobject_cast<TfrmLavori_Svolti *>(w);
                QVERIFY(work);
                work->btnAggiungi->click();
                type(work->txtData, a.data);
                QTest::keyClick(work->txtData, Qt::Key_Return);
                QTest::keyClicks(work->txtAttivita, a.attivita);
                QTest::keyClick(work->txtAttivita, Qt::Key_Return);
                QTest::keyClicks(work->txtLuogo, a.luogo);
                QTest::keyClick(work->txtLuogo, Qt::Key_Return);
                QTest::keyClicks(work->txtOrario, a.orario);
                QTest::keyClick(work->txtOrario, Qt::Key_Return);
                QTest::keyClicks(work->txtTotOre, a.totOre);
                work->btnSalva->click();
                work->cmdClose->click();
            });
            card->btnLavori->click();
            QCOMPARE(seams.messages.lastText(),
                     QStringLiteral("La scheda corrente è stata inserita in archivio."));
        }
        QCOMPARE(seams.folder.read(workFileName("SPSGLU85E45F839K")), workFile(three));
        card->cmdEsci->click();
        QVERIFY(screens.avvio->isVisible());

        // The month's summary, from "RIEPILOGO ORE DI LAVORO", the tax code imported.
        screens.avvio->moduleButton(2)->click();
        TfrmMenuRiepStraordinari *menu = screens.menuRiepStraordinari;
        QVERIFY(menu->isVisible());
        whenModal([](QWidget *w) {
            auto *search = qobject_cast<TfrmTrovaDipendenti *>(w);
            QVERIFY(search);
            search->btnCerca->click();
            search->loadLine(0);
        });
        menu->btnCodFisc->click();
        QCOMPARE(menu->txtCliente->text(), QStringLiteral("SPSGLU85E45F839K"));
        menu->txtGiornoInizio->setCurrentText(QStringLiteral("01"));
        menu->txtMeseInizio->setCurrentText(QStringLiteral("Marzo"));
        menu->txtGiornoFine->setCurrentText(QStringLiteral("31"));
        menu->txtMeseFine->setCurrentText(QStringLiteral("Marzo"));
        bool shown = false;
        whenModal([&](QWidget *w) {
            auto *summary = qobject_cast<TfrmRiepStraordinari *>(w);
            QVERIFY(summary);
            QCOMPARE(summary->list->lstRecords->listModel()->count(), 3);
            QCOMPARE(summary->lblTrovate->text(), QStringLiteral("3 lavori svolti"));
            QCOMPARE(summary->lblTotCosti->text(), QStringLiteral("15"));
            QCOMPARE(summary->lblIntervallo->text(), QStringLiteral("Dal   01/03/2024   al   31/03/2024"));
            shown = true;
            summary->close();
        });
        menu->btnVisualizza->click();
        QVERIFY(shown);
        menu->btnEsci->click();
        QVERIFY(screens.avvio->isVisible());
        Tersalia::destroyScreens();
        Clock::setFixed({});
    }
};

QTEST_MAIN(TstEmployeeRoad)
#include "tst_employeeroad.moc"
