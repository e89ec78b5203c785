// Numbers as the game computes them: 16-bit rounding with halves to even,
// the lenient numeric test of stored values, and times of day.

#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <QTest>

using namespace platform;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void roundingTakesHalvesToTheEvenNeighbourWithin16Bits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QVariant>("expected"); // none: an overflow
        QTest::newRow("2.5 down to 2") << 2.5 << QVariant(2);
        QTest::newRow("3.5 up to 4") << 3.5 << QVariant(4);
        QTest::newRow("32767.5 rounds out") << 32767.5 << QVariant();
        QTest::newRow("-32768.5 rounds to even inside") << -32768.5 << QVariant(-32768);
        QTest::newRow("not a number") << qQNaN() << QVariant();
    }
    void roundingTakesHalvesToTheEvenNeighbourWithin16Bits()
    {
        QFETCH(double, value);
        QFETCH(QVariant, expected);
        int got = 0, error = 0;
        try {
            got = roundToInt16(value);
        } catch (const RuntimeError &e) {
            error = e.number();
        }
        QCOMPARE(error, expected.isValid() ? 0 : int(ErrOverflow));
        QCOMPARE(got, expected.toInt());
        QCOMPARE(tryRoundToInt16(value).has_value(), expected.isValid());
    }

    void numericTestAcceptsWhatStoredNumbersLookLike_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value"); // none: not numeric
        QTest::newRow("spaces around") << " 3 " << QVariant(3.0);
        QTest::newRow("sign and fraction") << "-2.5" << QVariant(-2.5);
        QTest::newRow("digits then letters") << "3a" << QVariant();
        QTest::newRow("empty") << "" << QVariant();
    }
    void numericTestAcceptsWhatStoredNumbersLookLike()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        QCOMPARE(isNumber(text), value.isValid());
        QCOMPARE(numberValue(text).value_or(0.0), value.toDouble());
    }

    void timeOfDayShowsHoursMinutesAndSecondsAndWrapsAtMidnight()
    {
        // nn is minutes; a day later the clock shows the same time.
        QCOMPARE(formatTimeOfDay(3725, QStringLiteral("hh:nn:ss")), QStringLiteral("01:02:05"));
        QCOMPARE(formatTimeOfDay(86405, QStringLiteral("hh:nn:ss")), QStringLiteral("00:00:05"));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
