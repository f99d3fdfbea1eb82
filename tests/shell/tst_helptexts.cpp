// The help texts: their structure as the help screen and the manual use it,
// the appointment chapter shared with the card, and Windows-1252 text.
#include "TestEnv.h"

#include "appointments/agenda/AgendaHelp.h"
#include "appointments/card/Archivio_ScadenzeHelp.h"
#include "appointments/planning/PlanningHelp.h"
#include "backup/SalvataggioHelp.h"
#include "clients/ClientiHelp.h"
#include "contracts/card/ContrattoHelp.h"
#include "core/text/TextRules.h"
#include "employees/card/EmployeesHelp.h"
#include "overview/AndamentoHelp.h"
#include "shell/HelpTexts.h"
#include "shell/PasswordStore.h"
#include "ui/card/CardIcons.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TstHelpTexts : public QObject {
    Q_OBJECT
private slots:
    void titlesAndParagraphCounts_data();
    void titlesAndParagraphCounts();
    void mainHelpReusesTheAppointmentChapter();
    void mainHelpReusesTheAgendaChapter();
    void manualListsTheHelpTextsInOrder();
    void paragraphsArePlainDistinctWindows1252_data();
    void paragraphsArePlainDistinctWindows1252();
    void joinedSeparatesParagraphsWithBlankLines();
    void helpDescribesTheCommands_data();
    void helpDescribesTheCommands();
    void arrowsAreNamedInTheirColour();
    void firstAccessPasswordOpensTheShippedStore();
};

void TstHelpTexts::titlesAndParagraphCounts_data() {
    QTest::addColumn<HelpText>("help");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("paragraphs");
    QTest::newRow("main") << HelpTexts::mainHelp() << QStringLiteral("Uno sguardo a Tersalia") << 67;
    QTest::newRow("appointment card")
        << appointmentCardHelp() << QStringLiteral("App Schedario Appuntamenti") << 11;
    QTest::newRow("agenda") << agendaHelp() << QStringLiteral("App Agenda Interventi Programmati") << 8;
    QTest::newRow("appointment grids")
        << appointmentGridHelp() << QStringLiteral("Visualizzazione appuntamenti") << 5;
    QTest::newRow("week planner") << planningHelp() << QStringLiteral("Planning settimanale") << 5;
    QTest::newRow("appointment archive export")
        << archiveExportHelp() << QStringLiteral("Esportazione archivio appuntamenti in Excel") << 3;
    QTest::newRow("client card") << clientCardHelp() << QStringLiteral("App Clienti e Servizi") << 13;
    QTest::newRow("employee card") << employeeCardHelp()
                                   << QStringLiteral("App Archivio Dipendenti e Prestazioni") << 11;
    QTest::newRow("working hours") << workingHoursHelp() << QStringLiteral("App Riepilogo Ore di Lavoro")
                                   << 4;
    QTest::newRow("backup") << backupHelp() << QStringLiteral("Copia di sicurezza degli archivi") << 6;
    QTest::newRow("year at a glance") << andamentoHelp() << QStringLiteral("Andamento dell'anno") << 5;
}

void TstHelpTexts::titlesAndParagraphCounts() {
    QFETCH(HelpText, help);
    QFETCH(QString, title);
    QFETCH(int, paragraphs);
    QCOMPARE(help.title, title);
    QCOMPARE(help.paragraphs.size(), paragraphs);
}

void TstHelpTexts::mainHelpReusesTheAppointmentChapter() {
    const QStringList main = HelpTexts::mainHelp().paragraphs;
    const QStringList card = appointmentCardHelp().paragraphs;
    QCOMPARE(main.size(), 67);
    // Paragraphs 52-62 (1-based) are the card's eleven, in order; the agenda comes
    // just before them and the year at a glance's paragraph just after.
    QCOMPARE(main.mid(51, 11), card);
    QVERIFY(!card.contains(main.at(50)));
    QVERIFY(!card.contains(main.at(62)));
}

void TstHelpTexts::mainHelpReusesTheAgendaChapter() {
    const QStringList main = HelpTexts::mainHelp().paragraphs;
    // Paragraphs 44-51 (1-based) are the agenda's eight, right before the card's.
    QCOMPARE(main.mid(43, 8), agendaHelp().paragraphs);
    QVERIFY(!agendaHelp().paragraphs.contains(main.at(42)));
}

void TstHelpTexts::manualListsTheHelpTextsInOrder() {
    const QList<HelpText> expected = {HelpTexts::mainHelp(), agendaHelp(),          appointmentGridHelp(),
                                      planningHelp(),        appointmentCardHelp(), archiveExportHelp(),
                                      clientCardHelp(),      employeeCardHelp(),    workingHoursHelp(),
                                      contractHelp(),        contractExportHelp(),  backupHelp(),
                                      andamentoHelp()};
    const QList<HelpText> manual = HelpTexts::manual();
    QCOMPARE(manual.size(), expected.size());
    for (int i = 0; i < manual.size(); ++i) {
        QCOMPARE(manual.at(i).title, expected.at(i).title);
        QCOMPARE(manual.at(i).paragraphs, expected.at(i).paragraphs);
    }
}

void TstHelpTexts::paragraphsArePlainDistinctWindows1252_data() {
    QTest::addColumn<HelpText>("help");
    for (const HelpText &help : HelpTexts::manual())
        QTest::newRow(qPrintable(help.title)) << help;
}

void TstHelpTexts::paragraphsArePlainDistinctWindows1252() {
    QFETCH(HelpText, help);
    QVERIFY(!help.title.isEmpty());
    QCOMPARE(Text::fromCp1252(Text::toCp1252(help.title)), help.title);
    QSet<QString> seen;
    for (int i = 0; i < help.paragraphs.size(); ++i) {
        const QString &p = help.paragraphs.at(i);
        const QByteArray where = QByteArray::number(i + 1);
        QVERIFY2(!Text::trim(p).isEmpty(), where);
        QVERIFY2(Text::trim(p) == p, where);
        QVERIFY2(!p.contains(QLatin1Char('\r')) && !p.contains(QLatin1Char('\n')), where);
        QVERIFY2(Text::fromCp1252(Text::toCp1252(p)) == p, where);
        QVERIFY2(!seen.contains(p), where);
        seen.insert(p);
    }
}

void TstHelpTexts::joinedSeparatesParagraphsWithBlankLines() {
    const HelpText help{QStringLiteral("T"),
                        {QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")}};
    QCOMPARE(help.joined(), QStringLiteral("uno\r\n\r\ndue\r\n\r\ntre"));
    QCOMPARE(HelpText{}.joined(), QString());

    // The real texts come back paragraph by paragraph from their joined form.
    for (const HelpText &text : HelpTexts::manual()) {
        const QString joined = text.joined();
        QVERIFY(joined.startsWith(text.paragraphs.first()));
        QCOMPARE(joined.split(QStringLiteral("\r\n\r\n")), text.paragraphs);
    }
}

// A command of a screen is named in that screen's help, and so in the manual.
void TstHelpTexts::helpDescribesTheCommands_data() {
    QTest::addColumn<HelpText>("help");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("appointment card: Ripeti")
        << appointmentCardHelp()
        << QStringList{"pulsante Ripeti", "Salta i giorni festivi", "Crea appuntamenti"};
    QTest::newRow("contract screen: Pianifica interventi")
        << contractHelp() << QStringList{"pulsante Pianifica interventi", "Crea appuntamenti"};
}

void TstHelpTexts::helpDescribesTheCommands() {
    QFETCH(HelpText, help);
    QFETCH(QStringList, named);
    for (const QString &n : named)
        QVERIFY2(help.joined().contains(n), qPrintable(n));
    const QList<HelpText> manual = HelpTexts::manual();
    QVERIFY(std::any_of(manual.begin(), manual.end(), [&](const HelpText &chapter) {
        return chapter.title == help.title && chapter.paragraphs == help.paragraphs;
    }));
}

namespace {
// The Italian word a user would say for a button's colour.
QString colourWord(const QColor &c) {
    if (c.hsvSaturation() < 60)
        return QStringLiteral("grigia");
    const int h = c.hsvHue();
    if (h < 15 || h >= 345)
        return QStringLiteral("rossa");
    if (h < 45)
        return QStringLiteral("arancione");
    if (h < 70)
        return QStringLiteral("gialla");
    if (h < 165)
        return QStringLiteral("verde");
    if (h < 215)
        return QStringLiteral("azzurra");
    if (h < 255)
        return QStringLiteral("blu");
    return QStringLiteral("viola");
}
} // namespace

// Wherever the help calls a button "la freccia" of some colour, it is the
// import arrow beside a field, and the colour is the one on screen.
void TstHelpTexts::arrowsAreNamedInTheirColour() {
    const QString shown = colourWord(CardIcons::defaultColor(CardIcons::Symbol::Import));
    QCOMPARE(shown, QStringLiteral("arancione"));
    static const QRegularExpression arrow(
        QStringLiteral("freccia (rossa|arancione|gialla|verde|azzurra|blu|viola|grigia)"));
    int named = 0;
    for (const HelpText &chapter : HelpTexts::manual())
        for (const QString &p : chapter.paragraphs)
            for (auto it = arrow.globalMatch(p); it.hasNext(); ++named)
                QVERIFY2(it.next().captured(1) == shown, qPrintable(chapter.title));
    QVERIFY(named >= 2); // the working-hours summary's, in its help and in the main help
}

void TstHelpTexts::firstAccessPasswordOpensTheShippedStore() {
    // Paragraph 66 quotes the password of a fresh installation: it must be the
    // one the installed password store holds.
    const QString paragraph = HelpTexts::mainHelp().paragraphs.at(65);
    const QRegularExpressionMatch quoted =
        QRegularExpression(QStringLiteral("\"([^\"]+)\"")).match(paragraph);
    QVERIFY2(quoted.hasMatch(), qPrintable(paragraph));
    QCOMPARE(quoted.captured(1), QStringLiteral("pergolatoviola"));

    // QT_TESTCASE_SOURCEDIR (set by Qt's Test package) is the tests folder.
    QFile store(
        QDir(QStringLiteral(QT_TESTCASE_SOURCEDIR)).filePath(QStringLiteral("../install/unins000.dll")));
    QVERIFY2(store.open(QIODevice::ReadOnly), qPrintable(store.fileName()));
    TempProgramFolder folder;
    folder.write(QStringLiteral("unins000.dll"), store.readAll());
    QString stored;
    QVERIFY(PasswordStore::read(&stored));
    QCOMPARE(stored, PasswordStore::normalise(quoted.captured(1)));
}

QTEST_MAIN(TstHelpTexts)
#include "tst_helptexts.moc"
