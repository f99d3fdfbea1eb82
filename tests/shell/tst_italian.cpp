// Qt's own dialogs (file, print, the overwrite question) speak Italian once
// the program has started: its start-up loads Qt's Italian catalogue and makes
// Italian the locale Qt takes as the machine's, whatever the machine says (the
// test runs under LC_ALL=C.UTF-8), while the program's own formats stay.
#include "core/text/Formats.h"
#include "shell/Application.h"
#include "ui/platform/FileDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QAbstractFileIconProvider>
#include <QAbstractProxyModel>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>
#include <QTemporaryDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

class TstItalian : public QObject {
    Q_OBJECT

    static QStringList buttonTexts(QWidget *dialog) {
        QStringList texts;
        for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
            if (!b->text().isEmpty())
                texts.append(b->text().remove(QLatin1Char('&')));
        return texts;
    }

public:
    QByteArray machineLocale; // LC_ALL as the test was started

private slots:
    void initTestCase() {
        QVERIFY2(Tersalia::installItalian(), "Qt's Italian catalogue (qt6-translations-l10n)");
    }

    void theMachinesLocaleIsTakenAsItalianAndGivenBack() {
        QCOMPARE(QLocale::system().language(), QLocale::Italian);
        QCOMPARE(QLocale().language(), QLocale::Italian);
        // The programs opened from here get the machine's own setting.
        QCOMPARE(qgetenv("LC_ALL"), machineLocale);
    }

    // The file dialog's list: dates and sizes written the Italian way.
    void fileDialogListsItalianDatesAndSizes() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("Contratti.xls")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2500, 'x'));
        const QDateTime modified(QDate(2026, 12, 10), QTime(9, 30));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();

        QFileDialog dialog(nullptr, QStringLiteral(" Apri"), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto *model = dialog.findChild<QFileSystemModel *>();
        QVERIFY(model);
        QModelIndex index = model->index(file.fileName());
        QTRY_VERIFY(index.isValid() && !model->data(index.siblingAtColumn(3)).toString().isEmpty());
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        const QString date = model->data(index.siblingAtColumn(3)).toString();
        QCOMPARE(date, italian.toString(model->lastModified(index), QLocale::ShortFormat));
        QVERIFY2(!date.contains(QStringLiteral("Dec")), qPrintable(date));
        QCOMPARE(model->data(index.siblingAtColumn(1)).toString(), italian.formattedDataSize(2500));
        QVERIFY(model->data(index.siblingAtColumn(1)).toString().contains(QLatin1Char(',')));
    }

    // The types in the file list, which Qt 6 asks where the catalogue does
    // not have them: "Cartella", not "Folder".
    void fileTypesAreItalian() {
        QTemporaryDir dir;
        const QAbstractFileIconProvider icons;
        QCOMPARE(icons.type(QFileInfo(dir.path())), QStringLiteral("Cartella"));
        // A text the catalogue has nowhere stays as Qt wrote it.
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Tersalia"),
                 QStringLiteral("Tersalia"));
    }

    // The program's file dialogs: the list in columns whose headings are
    // never cut, dates with four-digit years.
    void fileDialogShowsWholeHeadingsAndFourDigitYears() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("Contratti.xls")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2500, 'x'));
        QVERIFY(file.flush()); // before the time is set, which a later write would change
        QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)),
                                 QFileDevice::FileModificationTime));
        file.close();

        QFileDialog dialog(nullptr, QStringLiteral(" Apri"), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        FileDialogs::prepare(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
        QVERIFY(list && list->isVisible());
        auto *files = dialog.findChild<QFileSystemModel *>();
        QVERIFY(files);
        QAbstractItemModel *shown = list->model();
        QCOMPARE(shown, static_cast<QAbstractItemModel *>(dialog.proxyModel()));
        const auto index = [&] {
            return dialog.proxyModel()->mapFromSource(files->index(file.fileName())).siblingAtColumn(3);
        };
        QTRY_VERIFY(index().isValid() &&
                    !files->data(files->index(file.fileName()).siblingAtColumn(3)).toString().isEmpty());
        QCOMPARE(shown->data(index()).toString(), QStringLiteral("10/12/2026 09:30"));

        QHeaderView *header = list->header();
        QTRY_VERIFY(header->sectionSize(3) > 0);
        for (int c = 0; c < header->count(); ++c) {
            const QString heading = shown->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(header->sectionSize(c) > header->fontMetrics().horizontalAdvance(heading),
                     qPrintable(heading));
        }
        const QString modified = shown->headerData(3, Qt::Horizontal).toString();
        QVERIFY2(!modified.contains(QStringLiteral("Date")), qPrintable(modified));
    }

    // The program's own formats do not follow the locale: dates, amounts and
    // times are as they always were.
    void ourFormatsStayAsTheyAre() {
        QCOMPARE(Formats::dateText(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
        QCOMPARE(Formats::longTimeText(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
        QCOMPARE(Formats::shortTimeText(QTime(9, 5)), QStringLiteral("09:05"));
        QCOMPARE(Formats::decimalText(1234.5, 2), QStringLiteral("1234,50"));
        bool ok = false;
        QCOMPARE(Formats::parseDecimal(QStringLiteral("1234,5"), &ok), 1234.5);
        QVERIFY(ok);
        QCOMPARE(Formats::parseDate(QStringLiteral("5/3/2024")), QDate(2024, 3, 5));
    }

    void fileDialog() {
        QFileDialog dialog(nullptr, QStringLiteral(" Salva"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList texts = buttonTexts(&dialog);
        QVERIFY2(texts.contains(QStringLiteral("Annulla")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(texts.contains(QStringLiteral("Salva")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(!texts.contains(QStringLiteral("Cancel")));
        // The question asked before a file is replaced.
        const QString overwrite =
            QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
        QVERIFY2(overwrite.contains(QStringLiteral("esiste")), qPrintable(overwrite));
    }

    void printDialog() {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        const QStringList texts = buttonTexts(&dialog);
        QVERIFY2(texts.contains(QStringLiteral("Stampa")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(texts.contains(QStringLiteral("Annulla")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(!texts.contains(QStringLiteral("Print")) && !texts.contains(QStringLiteral("Cancel")));
    }
};

// The program's start-up order: the locale before the application object.
int main(int argc, char *argv[]) {
    const QByteArray machineLocale = qgetenv("LC_ALL");
    Tersalia::preferItalianLocale();
    QApplication app(argc, argv);
    TstItalian test;
    test.machineLocale = machineLocale;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_italian.moc"
