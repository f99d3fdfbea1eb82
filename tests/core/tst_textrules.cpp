// Text rules and process-wide formats.
#include "core/Formats.h"
#include "core/TextRules.h"

#include <QLocale>
#include <QTest>

class TstTextRules : public QObject {
    Q_OBJECT
private slots:
    void trimRemovesBlanksAndControls() {
        QCOMPARE(Text::trim(QStringLiteral(" \t\r\n Rossi \x01\x1f ")), QStringLiteral("Rossi"));
        QCOMPARE(Text::trim(QStringLiteral("  ")), QString());
        // Inner blanks and a non-breaking space (above the blank) stay.
        QCOMPARE(Text::trim(QStringLiteral(" a  b\u00a0")), QStringLiteral("a  b\u00a0"));
    }

    void caseChangesTouchOnlyAZ() {
        QCOMPARE(Text::upperAZ(QStringLiteral("perché è così ß")), QStringLiteral("PERCHé è COSì ß"));
        QCOMPARE(Text::lowerAZ(QStringLiteral("ÀBC")), QStringLiteral("Àbc"));
        QVERIFY(Text::compareNoCaseAZ(QStringLiteral("rossi"), QStringLiteral("ROSSI")) == 0);
        QVERIFY(Text::compareNoCaseAZ(QStringLiteral("è"), QStringLiteral("È")) != 0);
        QVERIFY(Text::compareNoCaseAZ(QStringLiteral("abc"), QStringLiteral("ABD")) < 0);
        QVERIFY(Text::containsNoCaseAZ(QStringLiteral("Mario Rossi"), QStringLiteral("ROSS")));
    }

    void cp1252_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Casa 12") << QByteArray("Casa 12");
        QTest::newRow("accents") << QStringLiteral("Sì àèéìòù")
                                 << QByteArray("S\xec \xe0\xe8\xe9\xec\xf2\xf9");
        QTest::newRow("euro and quotes")
            << QStringLiteral("€ “x” – …") << QByteArray("\x80 \x93x\x94 \x96 \x85");
        QTest::newRow("greek replaced") << QStringLiteral("α=1") << QByteArray("?=1");
        QTest::newRow("accent stripped") << QStringLiteral("Łódź ő")
                                         << QByteArray("?\xf3"
                                                       "dz o");
        QTest::newRow("cjk and emoji") << QStringLiteral("中😀") << QByteArray("??");
        QTest::newRow("ligature decomposes") << QStringLiteral("ﬁ") << QByteArray("fi");
    }
    void cp1252() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const QByteArray encoded = Text::toCp1252(text);
        QCOMPARE(encoded, bytes);
        QVERIFY(!encoded.contains('\x1a'));
    }

    void cp1252DecodesEveryByte() {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        const QString text = Text::fromCp1252(all);
        QCOMPARE(text.size(), all.size());
        QCOMPARE(Text::toCp1252(text), all);
        QCOMPARE(text.at(0x80 - 1), QChar(0x20AC));
    }

    void formatsIgnoreTheMachineLocale() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Formats::install();
        QCOMPARE(Formats::dateText(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
        QCOMPARE(Formats::longTimeText(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
        QCOMPARE(Formats::decimalText(1250.5, 2), QStringLiteral("1250,50"));
        QCOMPARE(QLocale().toString(1.5, 'f', 2), QStringLiteral("1,50"));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(Formats::parseDate(QStringLiteral("05/03/2024")), QDate(2024, 3, 5));
        QCOMPARE(Formats::parseDate(QStringLiteral("5/3/2024")), QDate(2024, 3, 5));
        QVERIFY(!Formats::parseDate(QStringLiteral("03/15/2024")).isValid());
        QVERIFY(!Formats::parseDate(QStringLiteral("31/02/2024")).isValid());
        QVERIFY(!Formats::parseDate(QStringLiteral("2024-03-05")).isValid());
        // A run of digits too long for any date part (it once overflowed while being read).
        QVERIFY(!Formats::parseDate(QStringLiteral("99999999999/1/2024")).isValid());
        bool ok = false;
        QCOMPARE(Formats::parseDecimal(QStringLiteral("12,5"), &ok), 12.5);
        QVERIFY(ok);
        Formats::parseDecimal(QStringLiteral("1.000,5"), &ok);
        QVERIFY(!ok);
    }
};

QTEST_GUILESS_MAIN(TstTextRules)
#include "tst_textrules.moc"
