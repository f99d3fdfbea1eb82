// The input rules every screen shares. Every field holds one line: text
// pasted with CR, LF, CR LF and tabs shows its breaks as blanks in each line
// edit and combo edit, and what the screen stores (records, settings) holds
// none. Entering an amount or number field selects its text, so typing
// replaces it; a loaded record shows every field from its beginning.
#include "../clients/ClientFixture.h"
#include "DialogsByName.h"
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "clients/AllegaExcel.h"
#include "clients/Clienti.h"
#include "contracts/card/Contratto.h"
#include "contracts/card/Numerazione.h"
#include "core/records/Archives.h"
#include "core/records/RecordLayout.h"
#include "employees/card/Dipendenti.h"
#include "employees/register/Lavori_Svolti.h"
#include "employees/register/MenuRiepStraordinari.h"
#include "privacy/Privacy.h"
#include "shell/Application.h"
#include "ui/card/CardScreen.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString kPasted = QStringLiteral("Riga uno\r\nRiga due\tcol\rtre\nquattro");
const QString kShown = QStringLiteral("Riga uno  Riga due col tre quattro");
const QString kTaxCode = QStringLiteral("RSSMRA80A01H501U");

bool holdsBreak(const QString &text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

// The editable line edits under root, combo edits included (not the digit
// edits inside spin boxes and calendars).
QList<QLineEdit *> editsOf(QWidget *root) {
    QList<QLineEdit *> edits;
    for (QLineEdit *e : root->findChildren<QLineEdit *>()) {
        bool inner = e->isReadOnly();
        for (QWidget *p = e->parentWidget(); p && p != root && !inner; p = p->parentWidget())
            inner = qobject_cast<QAbstractSpinBox *>(p) || qobject_cast<QCalendarWidget *>(p);
        if (!inner)
            edits << e;
    }
    return edits;
}

// Pastes into every field as a user does (Ctrl+V, to the combo box for a
// combo edit, so the screen's key rules see it); the fields that show a
// line break, and how many took the text.
QStringList pasteEverywhere(QWidget *root, int *took) {
    QStringList broken;
    *took = 0;
    for (QLineEdit *e : editsOf(root)) {
        auto *combo = qobject_cast<QComboBox *>(e->parentWidget());
        QWidget *target = combo ? static_cast<QWidget *>(combo) : e;
        e->clear();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        if (holdsBreak(e->text()))
            broken << (combo ? combo->objectName() : e->objectName());
        if (e->text().contains(QStringLiteral("Riga"), Qt::CaseInsensitive))
            ++*took;
    }
    return broken;
}

QList<QByteArray> records(const QByteArray &file, int size) {
    QList<QByteArray> list;
    for (qsizetype at = 0; at + size <= file.size(); at += size)
        list << file.mid(at, size);
    return list;
}

} // namespace

class TstFieldInput : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;

    // Pastes into every field of screen and checks what it shows.
    void pasteAndCheckShown(QWidget *screen) {
        int took = 0;
        const QStringList broken = pasteEverywhere(screen, &took);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char(' '))));
        QVERIFY(took > 0); // the walk reached free fields
    }

    // An entry panel: pasted into every field, the filtered ones given a
    // value, saved; the record holds the text on one line.
    void entryPanelStoresOneLine(ListEntry *screen, const QString &file, const RecordLayout &layout,
                                 const QList<QLineEdit *> &filtered, const QStringList &values) {
        screen->show();
        screen->btnAggiungi->click();
        pasteAndCheckShown(screen->panCosti);
        for (int i = 0; i < filtered.size(); ++i) {
            QCOMPARE(filtered[i]->text(), filtered[i]->text().trimmed()); // the filter kept the paste out
            filtered[i]->setText(values[i]);
        }
        QVERIFY(screen->save());
        const QList<QByteArray> stored = records(seams->folder.read(file), layout.size());
        QCOMPARE(stored.size(), 1);
        int free = 0;
        for (int f = 0; f < layout.fieldCount(); ++f) {
            const QString value = decodeField(layout, stored[0].constData(), f);
            QVERIFY2(!holdsBreak(value), layout.field(f).name);
            free += kShown.startsWith(value) && !value.isEmpty();
        }
        QCOMPARE(free, layout.fieldCount() - filtered.size());
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        QApplication::clipboard()->setText(kPasted);
        if (QApplication::clipboard()->text() != kPasted)
            QSKIP("no clipboard on this platform");
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete seams;
    }

    void cardsShowOneLine_data() {
        QTest::addColumn<int>("card");
        QTest::newRow("appointment card") << 0;
        QTest::newRow("client card") << 1;
        QTest::newRow("employee card") << 2;
        QTest::newRow("contract card") << 3;
        QTest::newRow("hours summary") << 4;
    }
    void cardsShowOneLine() {
        QFETCH(int, card);
        const Tersalia::Screens screens = Tersalia::createScreens();
        ModuleWindow *windows[] = {screens.scadenze, screens.clienti, screens.dipendenti, screens.contratto,
                                   screens.menuRiepStraordinari};
        windows[card]->openModule();
        pasteAndCheckShown(windows[card]);
    }

    // The repetition of an appointment made from a contract, its fields shown.
    void repetitionShowsOneLine() {
        std::unique_ptr<TfrmRipetizione> screen(repetitionSample());
        screen->allowChanges();
        screen->show();
        pasteAndCheckShown(screen.get());
    }

    void servicesStoreOneLine() {
        TfrmAllegaExcel screen(nullptr, 2, QStringLiteral("Rossi Mario"));
        entryPanelStoresOneLine(&screen, Archives::servicesFileName(2), Archives::services(),
                                {screen.txtImporto}, {QStringLiteral("12,50")});
    }

    void workRegisterStoresOneLine() {
        TfrmLavori_Svolti screen(nullptr, QStringLiteral("Rossi Mario"), kTaxCode);
        // The date must be one: typed again after the paste.
        screen.show();
        screen.btnAggiungi->click();
        pasteAndCheckShown(screen.panCosti);
        screen.txtData->setText(QStringLiteral("05/03/2024"));
        screen.txtTotOre->setText(QStringLiteral("4"));
        QVERIFY(screen.save());
        const QByteArray file = seams->folder.read(Archives::worksFolderName() + QLatin1Char('/') +
                                                   Archives::worksFileName(kTaxCode));
        const QList<QByteArray> stored = records(file, Archives::works().size());
        QCOMPARE(stored.size(), 1);
        const RecordLayout &layout = Archives::works();
        for (const char *field : {"Attivita", "Luogo", "Orario"}) {
            const QString value = decodeField(layout, stored[0].constData(), layout.indexOf(field));
            QVERIFY2(kShown.startsWith(value) && value.size() > 20, field);
        }
    }

    void privacySettingsStoreOneLine() {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmPrivacy *>(w);
            QVERIFY(s);
            pasteAndCheckShown(s);
            ran = true;
            QVERIFY(s->btnChiudiClick());
        });
        TfrmPrivacy screen;
        screen.exec();
        QVERIFY(ran);
        QVERIFY(seams->messages.shown.isEmpty()); // every key written, none refused
        const QString ini =
            QString::fromLatin1(seams->folder.read(QStringLiteral("Liberatoria_Privacy.ini")));
        QVERIFY(ini.contains(kShown));
        QVERIFY(!ini.contains(QLatin1Char('\t')));
        for (const QString &line :
             ini.split(QRegularExpression(QStringLiteral("\r\n|\n")), Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(QLatin1Char('[')) || line.contains(QLatin1Char('=')), qPrintable(line));
    }

    // Click, Tab or Enter into an amount or number field, type: the typed
    // value replaces the one there.
    void enteringANumberFieldSelectsIt_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before"); // the field Tab and Enter come from
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        for (const char *way : {"click", "Tab", "Enter"})
            QTest::addRow("services amount, %s", way) << 0 << "txtImporto"
                                                      << "txtAgente" << way << "150,5"
                                                      << "150,50";
        for (const char *way : {"click", "Enter"})
            QTest::addRow("work hours, %s", way) << 1 << "txtTotOre"
                                                 << "txtOrario" << way << "12"
                                                 << "12";
        for (const char *way : {"click", "Enter"})
            QTest::addRow("summary year, %s", way) << 2 << "txtAnnoInizio"
                                                   << "txtMeseInizio" << way << "2023"
                                                   << "2023";
        QTest::newRow("numbering start, click") << 3 << "txtInizio"
                                                << ""
                                                << "click"
                                                << "250"
                                                << "250";
        QTest::newRow("privacy VAT number, click") << 4 << "txtIvaDent"
                                                   << ""
                                                   << "click"
                                                   << "0123"
                                                   << "0123";
        QTest::newRow("repetition every, click") << 6 << "txtOgni"
                                                 << ""
                                                 << "click"
                                                 << "2"
                                                 << "2";
        QTest::newRow("repetition visits, Enter") << 6 << "txtVolte"
                                                  << "txtOgni"
                                                  << "Enter"
                                                  << "52"
                                                  << "52";
        QTest::newRow("repetition visits over the most") << 6 << "txtVolte"
                                                         << ""
                                                         << "click"
                                                         << "999"
                                                         << "500";
        QTest::newRow("appointment amount, click") << 5 << "txtImporto"
                                                   << ""
                                                   << "click"
                                                   << "80"
                                                   << "80,00";
    }
    void enteringANumberFieldSelectsIt() {
        QFETCH(int, screen);
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(QString, way);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        std::unique_ptr<QWidget> owned;
        QWidget *w = nullptr;
        switch (screen) {
        case 0: {
            auto *s = new TfrmAllegaExcel(nullptr, 2, QStringLiteral("Rossi Mario"));
            owned.reset(s);
            s->show();
            s->btnAggiungi->click();
            w = s;
            break;
        }
        case 1: {
            auto *s = new TfrmLavori_Svolti(nullptr, QStringLiteral("Rossi Mario"), kTaxCode);
            owned.reset(s);
            s->show();
            s->btnAggiungi->click();
            s->txtTotOre->setText(QStringLiteral("8"));
            w = s;
            break;
        }
        case 2: {
            auto *m = Tersalia::createScreens().menuRiepStraordinari;
            m->openModule();
            m->txtMeseInizio->setCurrentText(QStringLiteral("Marzo"));
            w = m;
            break;
        }
        case 3:
            owned = std::make_unique<TfrmNumerazione>();
            w = owned.get();
            w->show();
            qobject_cast<TfrmNumerazione *>(w)->txtInizio->setText(QStringLiteral("10"));
            break;
        case 4:
            owned = std::make_unique<TfrmPrivacy>();
            w = owned.get();
            w->show();
            qobject_cast<TfrmPrivacy *>(w)->txtIvaDent->setText(QStringLiteral("99"));
            break;
        case 6:
            owned.reset(repetitionSample());
            w = owned.get();
            w->show();
            break;
        default: {
            auto *card = Tersalia::createScreens().scadenze;
            card->openModule();
            card->txtImporto->setText(QStringLiteral("12,00"));
            w = card;
            break;
        }
        }
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto *edit = w->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        QVERIFY(!edit->text().isEmpty());
        edit->clearFocus(); // entering it is what is tried
        if (way == QLatin1String("click")) {
            QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        } else {
            QWidget *from = w->findChild<QWidget *>(before);
            from->setFocus();
            QTest::keyClick(from, way == QLatin1String("Tab") ? Qt::Key_Tab : Qt::Key_Return);
        }
        QTRY_COMPARE(w->focusWidget(), edit);
        QTRY_VERIFY(edit->hasSelectedText());
        QTest::keyClicks(edit, typed);
        edit->clearFocus(); // leaving runs the field's exit rule
        QCOMPARE(edit->text(), kept);
    }

    // After a record is loaded every field shows its beginning, however long.
    void aLoadedRecordShowsItsBeginning() {
        const QString longText = QStringLiteral("Pulizia vetrate e scale; trattamento moquette; ") +
                                 QStringLiteral("lavaggio tende, sanificazione bagni e uffici");
        seams->folder.write(QStringLiteral("Contatti.pro"),
                            clientRecord({{"Cliente", QStringLiteral("Rossi Mario")},
                                          {"Prodotti", longText},
                                          {"IndirizzoRes", QStringLiteral("Corso Vittorio Emanuele II 1234, "
                                                                          "scala B interno 7")}}));
        auto *card = Tersalia::createScreens().clienti;
        card->openModule();
        card->cmdPrimo->click();
        QCOMPARE(card->txtCliente->text(), QStringLiteral("Rossi Mario"));
        for (QLineEdit *e : editsOf(card))
            if (!e->text().isEmpty())
                QVERIFY2(e->cursorPosition() == 0, qPrintable(e->objectName()));

        Record service(Archives::services());
        service.set("Data", QStringLiteral("01/03/2024"));
        service.set("Ora", QStringLiteral("10:00"));
        service.set("Servizi", longText);
        service.set("Agente", QStringLiteral("Anna Bianchi"));
        service.set("Importo", QStringLiteral("1250,50"));
        seams->folder.write(Archives::servicesFileName(2), service.bytes());
        TfrmAllegaExcel services(nullptr, 2, QStringLiteral("Rossi Mario"));
        services.show();
        services.list->lstRecords->selectRow(0);
        services.btnModifica->click();
        for (QLineEdit *e : {services.txtData, services.txtOra, services.txtServizi, services.txtAgente,
                             services.txtImporto}) {
            QVERIFY(!e->text().isEmpty());
            QVERIFY2(e->cursorPosition() == 0, qPrintable(e->objectName()));
        }

        TfrmPrivacy privacy; // filled from the client card
        privacy.setValue("txtIndirizzo", longText);
        privacy.setValue("txtPaziente", QStringLiteral("Rossi Mario"));
        for (QLineEdit *e : {privacy.txtIndirizzo, privacy.txtPaziente})
            QVERIFY2(e->cursorPosition() == 0, qPrintable(e->objectName()));
    }

    void numberingShowsOneLine() {
        TfrmNumerazione screen;
        screen.show();
        int took = 0;
        QVERIFY(pasteEverywhere(&screen, &took).isEmpty());
        QCOMPARE(took, 0); // a number field takes no pasted text
        screen.txtInizio->clear();
        screen.txtInizio->insert(QStringLiteral("1\r\n2\t")); // nor the breaks of a text a program puts there
        QCOMPARE(screen.txtInizio->text(), QStringLiteral("1  2 "));
    }
};

QTEST_MAIN(TstFieldInput)
#include "tst_fieldinput.moc"
