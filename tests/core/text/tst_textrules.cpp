// Text rules and process-wide formats.
#include "core/text/Formats.h"
#include "core/text/Amounts.h"
#include "core/text/NoCaseSort.h"
#include "core/text/TextRules.h"

#include <QLocale>
#include <QRandomGenerator>
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

    // Long lists sort and search their Windows-1252 bytes without decoding
    // them: the answers must be those of the text rules on the decoded text,
    // whatever the bytes (accents, the euro, case pairs, bytes with no character).
    void byteComparisonsAgreeWithTheTextRules() {
        static const QByteArray alphabet("aAbBzZ[`{ \xe0\xc0\xe8\xc8\x80\x81\x9f\xdf\xff?", 20);
        QRandomGenerator rng(20241210);
        const auto randomBytes = [&rng]() {
            QByteArray b;
            for (int n = rng.bounded(5); n > 0; --n)
                b += rng.bounded(4) == 0 ? char(rng.bounded(256)) : alphabet.at(rng.bounded(alphabet.size()));
            return b;
        };
        for (int i = 0; i < 20000; ++i) {
            const QByteArray a = randomBytes(), b = randomBytes();
            const QString ta = Text::fromCp1252(a), tb = Text::fromCp1252(b);
            if (Text::lessNoCaseAZ(a, b) != (Text::compareNoCaseAZ(ta, tb) < 0))
                QFAIL(qPrintable(QStringLiteral("order of \"%1\" and \"%2\"").arg(ta, tb)));
            if (Text::NoCaseFinder(Text::lowerAZ(tb)).in(a) != Text::containsNoCaseAZ(ta, tb))
                QFAIL(qPrintable(QStringLiteral("\"%2\" in \"%1\"").arg(ta, tb)));
        }
    }

    // Long lists sort through packed keys after the prefix all lines share:
    // the order, and the order of equal lines, must be a plain stable sort's.
    void sortingManyLinesAgreesWithAPlainSort() {
        QRandomGenerator rng(1210);
        for (const QByteArray prefix : {QByteArray(), QByteArray("ID: 2025"), QByteArray("Data: \x80 ")}) {
            QList<QPair<QByteArray, int>> lines;
            for (int i = 0; i < 3000; ++i) {
                QByteArray tail;
                for (int n = rng.bounded(12); n > 0; --n)
                    tail += "aAbB0129 \xe0\xc0zZ"[rng.bounded(13)];
                lines.append({prefix + tail, i});
            }
            QList<QPair<QByteArray, int>> expected = lines;
            std::stable_sort(expected.begin(), expected.end(), [](const auto &a, const auto &b) {
                return Text::lessNoCaseAZ(a.first, b.first);
            });
            NoCaseSort::stable(lines,
                               [](const QPair<QByteArray, int> &l) { return QByteArrayView(l.first); });
            QCOMPARE(lines, expected);
        }
    }

    void findingInBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("typed"); // already lower-cased, as the lists pass it
        QTest::addColumn<bool>("found");
        QTest::newRow("case of a-z") << QByteArray("Mario ROSSI") << "rossi" << true;
        QTest::newRow("accents keep their case") << QByteArray("CAFF\xc8") << "caff\u00e8" << false;
        QTest::newRow("accented letter") << QByteArray("caff\xe8") << "caff\u00e8" << true;
        QTest::newRow("the euro") << QByteArray("\x80 150,00") << "\u20ac 150" << true;
        // A character the file cannot hold is found nowhere, even where its
        // stand-in "?" stands.
        QTest::newRow("not in Windows-1252") << QByteArray("Via ? 3") << "\u03b1" << false;
        QTest::newRow("nothing typed") << QByteArray("Rossi") << "" << true;
    }
    void findingInBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        QFETCH(bool, found);
        QCOMPARE(Text::NoCaseFinder(typed).in(bytes), found);
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
        // The same reading on a field's bytes.
        QCOMPARE(Formats::parseDate(QByteArrayView("5/3/2024")), QDate(2024, 3, 5));
        QVERIFY(!Formats::parseDate(QByteArrayView("31/02/2024")).isValid());
        QVERIFY(!Formats::parseDate(QByteArrayView("99999999999/1/2024")).isValid());
        QVERIFY(!Formats::parseDate(QByteArrayView("5/3/2024\xa0")).isValid());
        // Whole numbers read on the bytes, as QString::toInt reads them.
        for (const char *text :
             {"7", "007", "+15", "-3", "", "-", "1a", " 5", "1,5", "999999999", "1234567890"}) {
            bool bytesOk = false, textOk = false;
            const int fromBytes = Formats::parseInt(QByteArrayView(text), &bytesOk);
            const int fromText = QString::fromLatin1(text).trimmed() == QString::fromLatin1(text)
                                     ? QString::fromLatin1(text).toInt(&textOk)
                                     : 0;
            // Ten digits and more are no notice a field can hold: refused.
            const bool expectOk = textOk && qstrlen(text) <= 9;
            QCOMPARE(bytesOk, expectOk);
            if (expectOk)
                QCOMPARE(fromBytes, fromText);
        }
        bool ok = false;
        QCOMPARE(Formats::parseDecimal(QStringLiteral("12,5"), &ok), 12.5);
        QVERIFY(ok);
        Formats::parseDecimal(QStringLiteral("1.000,5"), &ok);
        QVERIFY(!ok);
    }

    // Hours and stored amounts: which texts are numbers, and their values.
    void decimalsAndAmounts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimal"); // Formats::parseDecimal
        QTest::addColumn<bool>("amount");  // Amounts::read
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "8" << true << true << 8.0;
        QTest::newRow("comma") << "7,5" << true << true << 7.5;
        QTest::newRow("point") << "7.5" << true << false << 7.5;
        QTest::newRow("signed") << "-3,25" << true << true << -3.25;
        QTest::newRow("plus") << "+2" << true << true << 2.0;
        QTest::newRow("separator last") << "12," << true << true << 12.0;
        QTest::newRow("separator first") << ",5" << true << true << 0.5;
        QTest::newRow("blanks around") << "  15,00 " << true << true << 15.0;
        QTest::newRow("thousands") << "1.250,00" << false << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << false << 0.0;
        QTest::newRow("separator alone") << "," << false << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << false << 0.0;
        QTest::newRow("empty") << "" << false << false << 0.0;
        QTest::newRow("letters") << "abc" << false << false << 0.0;
        QTest::newRow("unit") << "8 ore" << false << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << false << 0.0;
        QTest::newRow("other digits") << QString::fromUtf8("\u0663") << false << false << 0.0;
    }
    void decimalsAndAmounts() {
        QFETCH(QString, text);
        QFETCH(bool, decimal);
        QFETCH(bool, amount);
        QFETCH(double, value);
        bool ok = false;
        const double d = Formats::parseDecimal(text, &ok);
        QCOMPARE(ok, decimal);
        if (decimal)
            QCOMPARE(d, value);
        const double a = Amounts::read(text, &ok);
        QCOMPARE(ok, amount);
        if (amount)
            QCOMPARE(a, value);
    }
};

QTEST_GUILESS_MAIN(TstTextRules)
#include "tst_textrules.moc"
