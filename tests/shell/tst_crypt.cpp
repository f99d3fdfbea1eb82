// Password scrambling and the password store.
#include "TestEnv.h"
#include "shell/Crypt.h"
#include "shell/PasswordStore.h"

#include <QTest>

class TstCrypt : public QObject {
    Q_OBJECT
private slots:
    void scrambleKnownValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        QTest::newRow("first access") << "PERGOLATOVIOLA"
                                      << "5EE66662641A2EB1394199220485";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("CASA") << "CASA"
                              << "4DF9FFFA";
        QTest::newRow("accent and blank") << QStringLiteral("À1 z") << "CEFB4895";
    }
    void scrambleKnownValues() {
        QFETCH(QString, text);
        QFETCH(QString, hex);
        QCOMPARE(Crypt::Scramble(text), hex);
    }

    void roundTripEveryByte() {
        QString all;
        for (int c = 1; c < 256; ++c)
            all += QChar(c);
        QString back;
        QVERIFY(Crypt::Unscramble(Crypt::Scramble(all), &back));
        QCOMPARE(back, all);
    }

    void unscrambleEdgeCases() {
        QString text;
        QVERIFY(Crypt::Unscramble(QStringLiteral("5EE66662641A2EB1394199220485"), &text));
        QCOMPARE(text, QStringLiteral("PERGOLATOVIOLA"));
        QVERIFY(Crypt::Unscramble(QStringLiteral("5ee66662641a2eb1394199220485"), &text)); // either case
        QCOMPARE(text, QStringLiteral("PERGOLATOVIOLA"));
        QVERIFY(
            Crypt::Unscramble(QStringLiteral("5EE66662641A2EB13941992204857"), &text)); // odd digit ignored
        QCOMPARE(text, QStringLiteral("PERGOLATOVIOLA"));
        QVERIFY(Crypt::Unscramble(QString(), &text));
        QCOMPARE(text, QString());
        QVERIFY(!Crypt::Unscramble(QStringLiteral("5EZZ"), &text));
        QVERIFY(!Crypt::Unscramble(QStringLiteral("5E 6"), &text));
    }

    void storeReadsAndWrites() {
        TempProgramFolder folder;
        QString pw = QStringLiteral("x");
        QVERIFY(PasswordStore::read(&pw)); // missing store: empty password
        QCOMPARE(pw, QString());
        QVERIFY(PasswordStore::write(QStringLiteral("CASA")));
        QVERIFY(PasswordStore::read(&pw));
        QCOMPARE(pw, QStringLiteral("CASA"));
        QVERIFY(folder.read(QStringLiteral("unins000.dll")).contains("[Accesso]"));
        folder.write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=XY12\r\n");
        QVERIFY(!PasswordStore::read(&pw));
        QCOMPARE(PasswordStore::normalise(QStringLiteral("  pergolatoViola\t")),
                 QStringLiteral("PERGOLATOVIOLA"));
    }
};

QTEST_GUILESS_MAIN(TstCrypt)
#include "tst_crypt.moc"
