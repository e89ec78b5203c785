#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <QTest>

using namespace platform;

class tst_numbers : public QObject
{
    Q_OBJECT

private slots:
    void cintRoundsHalvesToEvenWithin16Bits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5 down to 2") << 2.5 << true << 2;
        QTest::newRow("3.5 up to 4") << 3.5 << true << 4;
        QTest::newRow("-2.5 to -2") << -2.5 << true << -2;
        QTest::newRow("top of the range") << 32767.4 << true << 32767;
        QTest::newRow("32767.5 rounds out") << 32767.5 << false << 0;
        QTest::newRow("-32768.5 rounds to even inside") << -32768.5 << true << -32768;
        QTest::newRow("-32769 is out") << -32769.0 << false << 0;
        QTest::newRow("not a number") << qQNaN() << false << 0;
    }
    void cintRoundsHalvesToEvenWithin16Bits()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const auto result = tryCInt(value);
        QCOMPARE(result.has_value(), fits);
        if (fits) {
            QCOMPARE(int(*result), expected);
            QCOMPARE(int(CInt(value)), expected);
        } else {
            try {
                CInt(value);
                QFAIL("an overflow must be reported");
            } catch (const RuntimeError &e) {
                QCOMPARE(e.number(), int(ErrOverflow));
            }
        }
    }

    void intIsTheFloor()
    {
        QCOMPARE(Int(2.9), 2.0);
        QCOMPARE(Int(-2.1), -3.0);
        QCOMPARE(Int(0.9999 * 36 + 1), 36.0);
    }

    void isNumericAcceptsWhatStoredNumbersLookLike_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("digit") << "3" << true << 3.0;
        QTest::newRow("spaces around") << "  3 " << true << 3.0;
        QTest::newRow("plus and exponent") << "+1e2" << true << 100.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("digits then letters") << "3a" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0;
        QTest::newRow("arabic-indic digits are not ours") << QString::fromUtf8("\u0663") << false << 0.0;
    }
    void isNumericAcceptsWhatStoredNumbersLookLike()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        QCOMPARE(IsNumeric(text), numeric);
        if (numeric)
            QCOMPARE(*NumericValue(text), value);
    }

    void formatTimeShowsTheTimeOfDay_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nn is minutes too") << qint64(3725) << "hh:nn:ss" << "01:02:05";
        QTest::newRow("the day wraps") << qint64(86405) << "hh:nn:ss" << "00:00:05";
        QTest::newRow("before midnight") << qint64(-10) << "hh:nn:ss" << "23:59:50";
    }
    void formatTimeShowsTheTimeOfDay()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(FormatTime(seconds, pattern), expected);
    }

    void trimTakesOnlySpaces()
    {
        QCOMPARE(RTrim(QStringLiteral("  a b  ")), QStringLiteral("  a b"));
        QCOMPARE(LTrim(QStringLiteral("  a b  ")), QStringLiteral("a b  "));
        QCOMPARE(Trim(QStringLiteral("\ta \t")), QStringLiteral("\ta \t"));
        QCOMPARE(Trim(QStringLiteral("   ")), QString());
    }
};

QTEST_APPLESS_MAIN(tst_numbers)
#include "tst_numbers.moc"
