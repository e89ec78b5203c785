// Numbers as the score file stores them: 16-bit values rounded with halves
// to even, the lenient numeric test of stored values, and clock times.

#include "game/Numbers.h"

#include <QTest>

using namespace numbers;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void roundingTakesHalvesToTheEvenNeighbourWithin16Bits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QVariant>("expected"); // none: outside 16 bits
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
        const auto got = toInt16(value);
        QCOMPARE(got.has_value(), expected.isValid());
        QCOMPARE(got.value_or(0), expected.toInt());
    }

    void numericTestAcceptsWhatStoredNumbersLookLike_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value"); // none: not numeric
        QTest::newRow("spaces around") << " 3 " << QVariant(3.0);
        QTest::newRow("sign and fraction") << "-2.5" << QVariant(-2.5);
        QTest::newRow("exponent") << "1e2" << QVariant(100.0);
        QTest::newRow("digits then letters") << "3a" << QVariant();
        QTest::newRow("Arabic-Indic digit") << "\u0663" << QVariant();
        QTest::newRow("empty") << "" << QVariant();
    }
    void numericTestAcceptsWhatStoredNumbersLookLike()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        QCOMPARE(numberValue(text).has_value(), value.isValid());
        QCOMPARE(numberValue(text).value_or(0.0), value.toDouble());
    }

    void clockShowsMinutesAndSecondsWithinTheHour_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("125") << qint64(125) << "02:05";
        QTest::newRow("an hour and more") << qint64(3725) << "02:05";
        QTest::newRow("a day and five seconds") << qint64(86405) << "00:05";
        QTest::newRow("one second back") << qint64(-1) << "59:59";
    }
    void clockShowsMinutesAndSecondsWithinTheHour()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, shown);
        QCOMPARE(minutesAndSeconds(seconds), shown);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
