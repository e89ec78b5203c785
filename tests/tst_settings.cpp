// What a gift-maker leaves beside the game (the first line of Matrix.dat)
// and the window colours kept in the score file.

#include "game/GiftSettings.h"

#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void firstLineOfMatrixDat_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("truncated");
        QTest::addColumn<QString>("line"); // null: no line at all
        QTest::newRow("zero bytes") << QByteArray() << false << QString();
        QTest::newRow("ends at CR") << QByteArray("1Hello\rsecond") << false << "1Hello";
        QTest::newRow("Windows-1252") << QByteArray("4A\xf1o \x80 \x93hi\x94") << false << "4Año € “hi”";
        QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBF" "1Hi") << false << "1Hi";
        QTest::newRow("UTF-8 cut by the read limit") << QByteArray("1Caf\xC3\xA9\xC3") << true << "1Café";
    }
    void firstLineOfMatrixDat()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, truncated);
        QFETCH(QString, line);
        QCOMPARE(gift::firstLine(bytes, truncated), line.isNull() ? std::nullopt : std::optional(line));
    }

    void colourTableHasTenColoursAndGreyBeyond()
    {
        const QColor table[10] = {{128, 128, 128}, {0, 0, 192},     {0, 192, 192}, {192, 0, 192}, {192, 192, 255},
                                  {0, 192, 0},     {192, 192, 0}, {255, 192, 128}, {255, 128, 128}, {192, 64, 0}};
        for (int i = -1; i <= 10; ++i)
            QCOMPARE(colours::backgroundColour(i), i >= 0 && i < 10 ? table[i] : table[0]);
    }

    void storedColourIndex_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("spaces around") << " 3 " << 3;
        QTest::newRow("2.5 halves to even") << "2.5" << 2;
        QTest::newRow("3.5 halves to even") << "3.5" << 4;
        QTest::newRow("15 kept") << "15" << 15;
        QTest::newRow("letters") << "blue" << 0;
        QTest::newRow("beyond 16 bits") << "40000" << 0;
    }
    void storedColourIndex()
    {
        QFETCH(QString, value);
        QFETCH(int, index);
        QCOMPARE(colours::indexFromStored(value), index);
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
