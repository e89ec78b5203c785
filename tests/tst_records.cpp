// The rules of the best-time records and of the end-of-game messages, checked
// without a window: record values, their display, the comparison with a
// finished game, the time in words and the message of each kind.

#include "results/Records.h"

#include <QTest>

#include <cstdint>

using namespace records;

class tst_records : public QObject
{
    Q_OBJECT

private slots:
    void recordValueIsTenCharacterNameThenSeconds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("value");
        QTest::newRow("short name padded") << "Anna" << 95 << "Anna      95";
        QTest::newRow("exactly ten") << "Alessandro" << 200 << "Alessandro200";
        QTest::newRow("twelve cut to ten") << "Massimiliano" << 7 << "Massimilia7";
        QTest::newRow("accented letters count as one") << "Niccolò" << 120 << "Niccolò   120";
        QTest::newRow("no time is zero") << "Bo" << 0 << "Bo        0";
    }
    void recordValueIsTenCharacterNameThenSeconds()
    {
        QFETCH(QString, name);
        QFETCH(int, seconds);
        QFETCH(QString, value);
        QCOMPARE(RecordValue(name, std::int16_t(seconds)), value);
        QCOMPARE(NameField(name).size(), NameFieldLength);
    }

    void nameFieldNeverHoldsALineBreakOrHalfACharacter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::newRow("line feed") << "Ann\nX=1" << "Ann X=1   ";
        QTest::newRow("carriage return and tab") << "A\r\tB" << "A  B      ";
        QTest::newRow("emoji kept whole") << QString::fromUtf8("Leo \xF0\x9F\x8D\x80") << QString::fromUtf8("Leo \xF0\x9F\x8D\x80    ");
        // Nine letters and a four-leaf clover: the clover's second half would be
        // the eleventh unit, so its first half cannot stay alone.
        QTest::newRow("emoji cut in two") << QString::fromUtf8("ABCDEFGHI\xF0\x9F\x8D\x80") << "ABCDEFGHI ";
    }
    void nameFieldNeverHoldsALineBreakOrHalfACharacter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QCOMPARE(NameField(typed), field);
    }

    void bestTimeShowsNameAndMinutesAndSeconds_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no record") << "0" << "-------" << false;
        QTest::newRow("95 seconds") << "Anna      95" << "Anna\r\n01:35" << true;
        QTest::newRow("hours are left out") << "Anna      3725" << "Anna\r\n02:05" << true;
        QTest::newRow("only a name") << "Anna" << "Anna\r\n00:00" << true;
        QTest::newRow("00 is a name, not no record") << "00" << "00\r\n00:00" << true;
        QTest::newRow("beyond 16 bits still a time") << "Anna      100000" << "Anna\r\n46:40" << true;
    }
    void bestTimeShowsNameAndMinutesAndSeconds()
    {
        QFETCH(QString, value);
        QFETCH(QString, caption);
        QFETCH(bool, shown);
        const BestTimeDisplay d = BestTimeCaption(value);
        QCOMPARE(d.caption, caption);
        QCOMPARE(d.showLabel, shown);
    }

    void onlyAStrictlyBetterTimeBeatsTheRecord_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<bool>("beats");
        QTest::newRow("no record") << "0" << 250 << true;
        QTest::newRow("equal is not a record") << "Anna      200" << 200 << false;
        QTest::newRow("worse") << "Anna      150" << 200 << false;
        QTest::newRow("time not a number") << "Anna      x" << 299 << true;
        QTest::newRow("time beyond 16 bits") << "Anna      40000" << 299 << true;
        QTest::newRow("half rounds to even, 200") << "Anna      200.5" << 200 << false;
        QTest::newRow("half rounds to even, 202") << "Anna      201.5" << 201 << true;
    }
    void onlyAStrictlyBetterTimeBeatsTheRecord()
    {
        QFETCH(QString, stored);
        QFETCH(int, elapsed);
        QFETCH(bool, beats);
        QCOMPARE(BeatsRecord(stored, std::int16_t(elapsed)), beats);
    }

    void gameTimeInWords_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("it 5") << 5 << 0 << "05 secondi";
        QTest::newRow("it 60") << 60 << 0 << "1 minuto e 00 secondi";
        QTest::newRow("it 65") << 65 << 0 << "1 minuto e 05 secondi";
        QTest::newRow("it 120") << 120 << 0 << "2  minuti e 00  secondi";
        QTest::newRow("it 3725") << 3725 << 0 << "2  minuti e 05  secondi";
        QTest::newRow("en 0") << 0 << 100 << "00 seconds";
        QTest::newRow("en 45") << 45 << 100 << "45 seconds";
        QTest::newRow("en 65") << 65 << 100 << "1 minute e 05 seconds";
        QTest::newRow("en 185") << 185 << 100 << "3  minutes e 05  seconds";
        QTest::newRow("de 200") << 200 << 300 << "3  minuten e 20  sekunden";
    }
    void gameTimeInWords()
    {
        QFETCH(int, seconds);
        QFETCH(int, language);
        QFETCH(QString, text);
        QCOMPARE(FormatGameTime(seconds, std::int16_t(language)), text);
    }

    void messageOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");

        QTest::newRow("1 it") << 1 << 0 << 0 << 300 << "Gioco terminato!\r\nRiprova.";
        QTest::newRow("2 en") << 2 << 100 << 1 << 45
                              << QString::fromUtf8("Very good! You did it in \xE2\x80\xA6 \r\n45 seconds");
        QTest::newRow("3 it") << 3 << 0 << 2 << 65
                              << "Bravo...\r\nanche se non sei riuscito a battere il record hai completato "
                                 "il puzzle in: \r\n1 minuto e 05 secondi";
        QTest::newRow("4 en easy") << 4 << 100 << 0 << 95
                                   << "Excellent...\r\nbest time in the GAME category Easy. You finished "
                                      "the puzzle in...\r\n1 minute e 35 seconds";
        QTest::newRow("4 es difficult") << 4 << 400 << 2 << 5
                                        << "Fantastico!...\r\nhas realizado el mejor tiempo en absoluto "
                                           "para la categoria: Juego Dificil. Has completado el puzzle "
                                           "en...\r\n05 segundos";
        QTest::newRow("no such kind") << 0 << 0 << 0 << 10 << "";
        QTest::newRow("kind 5") << 5 << 100 << 0 << 10 << "";
    }
    void messageOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(int, language);
        QFETCH(int, level);
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(MessageText(std::int16_t(kind), std::int16_t(language), level, seconds), text);
    }

    void writeFailureIsReportedInTheGamesWords()
    {
        QCOMPARE(RegistraMigliorTempoErrorText(75, QStringLiteral("Path/File access error")),
                 QString::fromUtf8("Error in subroutine: RegistraMigliorTempo\r\n"
                                   "Errore n\xC2\xB0  75  (Path/File access error)"));
    }
};

QTEST_GUILESS_MAIN(tst_records)
#include "tst_records.moc"
