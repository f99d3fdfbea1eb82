// Qt's own dialogs (file, print, the overwrite question) speak Italian once
// the program has started: its start-up loads Qt's Italian catalogue.
#include "shell/Application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
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

private slots:
    void initTestCase() {
        QVERIFY2(Tersalia::installItalian(), "Qt's Italian catalogue (qt6-translations-l10n)");
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

QTEST_MAIN(TstItalian)
#include "tst_italian.moc"
