// A label that shows a stored value shows it as typed: a client named
// "<b>&amp;</b>" reads "<b>&amp;</b>", not a bold "&". One row per screen
// that puts a record's or a setting's value into a label, and the message box
// that quotes values in its text.
#include "TestEnv.h"
#include "appointments/planning/Planning.h"
#include "appointments/planning/PlanningView.h"
#include "appointments/repetition/Ripetizione.h"
#include "backup/Salvataggio.h"
#include "clients/AllegaExcel.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "core/settings/IniFile.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "employees/register/Lavori_Svolti.h"
#include "employees/register/RiepStraordinari.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <functional>
#include <memory>

namespace {

const QString kMarkup = QStringLiteral("<b>&amp;</b>");

// The labels of a window showing the value, and whether each shows it as plain text.
QStringList labelsShowing(const QWidget *window, const QString &value, bool *allPlain) {
    QStringList names;
    *allPlain = true;
    for (const QLabel *l : window->findChildren<QLabel *>()) {
        if (!l->isVisible() || !l->text().contains(value))
            continue;
        names << l->objectName();
        *allPlain = *allPlain && l->textFormat() == Qt::PlainText;
    }
    return names;
}

using Opener = std::function<QWidget *()>;

} // namespace

class TstPlainLabels : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;

private slots:
    void init() { seams = new ScreenSeams; }
    void cleanup() { delete seams; }

    void storedValuesShowAsTyped_data() {
        QTest::addColumn<Opener>("open");
        QTest::newRow("services list title") << Opener(
            []() -> QWidget * { return new TfrmAllegaExcel(nullptr, 1, kMarkup + QStringLiteral(" Srl")); });
        QTest::newRow("work register title") << Opener([]() -> QWidget * {
            return new TfrmLavori_Svolti(nullptr, kMarkup + QStringLiteral(" Mario"),
                                         QStringLiteral("RSSMRA80A01H501U"));
        });
        QTest::newRow("backup screen, last copy's folder") << Opener([]() -> QWidget * {
            IniFile settings(ProgramFolder::file(QStringLiteral("Salvataggio.ini")));
            settings.write(QStringLiteral("Salvataggio"), QStringLiteral("Ultima"),
                           QStringLiteral("01/12/2026 10:00"));
            settings.write(QStringLiteral("Salvataggio"), QStringLiteral("Cartella"), kMarkup);
            return new TfrmSalvataggio;
        });
        QTest::newRow("week planner, a block's hint") << Opener([]() -> QWidget * {
            Record r(Archives::appointments());
            r.set("Data", Formats::dateText(Clock::today()));
            r.set("Ore", QStringLiteral("09"));
            r.set("Minuti", QStringLiteral("00"));
            r.set("Contatto", kMarkup);
            r.set("Note", kMarkup);
            QFile archive(ProgramFolder::file(Archives::appointments().fileName()));
            if (archive.open(QIODevice::WriteOnly))
                archive.write(r.bytes());
            archive.close();
            auto *planning = new TfrmPlanning;
            planning->show();
            if (QTest::qWaitForWindowExposed(planning) && !planning->view->sheet->blocks().isEmpty())
                QTest::mouseMove(
                    planning->view->sheet,
                    planning->view->sheet->blockRect(planning->view->sheet->blocks().first()).center());
            return planning;
        });
        QTest::newRow("hours summary tax code") << Opener([]() -> QWidget * {
            return new TfrmRiepStraordinari(nullptr, kMarkup, QStringLiteral("01/01/2024"),
                                            QStringLiteral("31/01/2024"));
        });
        QTest::newRow("repetition of an appointment") << Opener([]() -> QWidget * {
            Record r(Archives::appointments());
            r.set("Data", QStringLiteral("06/01/2026"));
            r.set("Contatto", kMarkup);
            return new TfrmRipetizione(nullptr, r, true);
        });
    }
    void storedValuesShowAsTyped() {
        QFETCH(Opener, open);
        std::unique_ptr<QWidget> screen(open());
        screen->show();
        bool plain = false;
        const QStringList labels = labelsShowing(screen.get(), kMarkup, &plain);
        QVERIFY2(!labels.isEmpty(), "no label shows the value");
        QVERIFY2(plain, qPrintable(labels.join(QLatin1Char(' '))));
    }

    // The real message box (not the test's scripted messages).
    void aMessageQuotingAValueShowsItAsTyped() {
        delete seams;
        seams = nullptr;
        Qt::TextFormat format = Qt::RichText;
        QString shown;
        whenModal([&](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w)) {
                format = box->textFormat();
                shown = box->text();
            }
            w->close();
        });
        Messages::warning(nullptr, QStringLiteral("Attenzione: il codice fiscale \"") + kMarkup +
                                       QStringLiteral("\" non può essere usato."));
        QVERIFY(shown.contains(kMarkup));
        QCOMPARE(format, Qt::PlainText);
        seams = new ScreenSeams;
    }
};

QTEST_MAIN(TstPlainLabels)
#include "tst_plainlabels.moc"
