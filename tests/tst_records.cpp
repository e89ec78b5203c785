// The rules of the best-time records and of the end-of-game messages, checked
// without a window, and the score file on disk: a write keeps everything else
// in the file, and one that cannot be completed leaves the file as it was.

#include "game/BestTimes.h"
#include "platform/Profile.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace besttimes;
using texts::Language;
using namespace Qt::StringLiterals;
using platform::getProfileString;
using platform::writeProfileString;

Q_DECLARE_METATYPE(besttimes::GameEnd)
Q_DECLARE_METATYPE(texts::Language)
Q_DECLARE_METATYPE(Level)

namespace {

const QByteArray sharedFile = "; Quadrifoglio 3D\r\n[BackColor]\r\nColor=3\r\n\r\n[Immagine]\r\n; best times\r\n"
                              "0=Anna      95\r\n2=Bo        150\r\n\r\n[Altro]\r\n# someone else's\r\nchiave = valore\r\n";

// Runs `write` with the files this process writes limited to `limit` bytes,
// as a nearly full disk would.
template<typename F>
bool withFileSizeLimit(rlim_t limit, F write)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto *previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    return result;
}

} // namespace

class TestRecords : public QObject
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
        QTest::newRow("line breaks and tabs become spaces") << "A\r\n\tB" << 0 << "A   B     0";
        // The clover's second half would be the eleventh unit: no half character stays.
        QTest::newRow("emoji cut in two") << QString::fromUtf8("ABCDEFGHI\xF0\x9F\x8D\x80") << 5 << "ABCDEFGHI 5";
    }
    void recordValueIsTenCharacterNameThenSeconds()
    {
        QFETCH(QString, name);
        QFETCH(int, seconds);
        QFETCH(QString, value);
        QCOMPARE(recordValue(name, seconds), value);
    }

    void storedRecordIsShownAndCompared_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<bool>("beats");
        QTest::newRow("no record") << "0" << "-------" << 250 << true;
        QTest::newRow("equal is not a record, hours left out") << "Anna      3725" << "Anna\n02:05" << 3725 << false;
        QTest::newRow("00 is a name") << "00" << "00\n00:00" << 1 << true;
        QTest::newRow("time not a number") << "Anna      x" << "Anna\n00:00" << 299 << true;
        QTest::newRow("time beyond 16 bits") << "Anna      100000" << "Anna\n46:40" << 299 << true;
        QTest::newRow("half rounds to even, 200") << "Anna      200.5" << "Anna\n03:20" << 200 << false;
        QTest::newRow("half rounds to even, 202") << "Anna      201.5" << "Anna\n03:22" << 201 << true;
    }
    void storedRecordIsShownAndCompared()
    {
        QFETCH(QString, stored);
        QFETCH(QString, caption);
        QFETCH(int, elapsed);
        QFETCH(bool, beats);
        QCOMPARE(bestTimeCaption(stored).text, caption);
        QCOMPARE(bestTimeCaption(stored).show, stored != u"0");
        QCOMPARE(beatsRecord(stored, elapsed), beats);
    }

    void gameTimeInWords_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("italian");
        QTest::addColumn<QString>("english");
        QTest::newRow("0") << 0 << "00 secondi" << "00 seconds";
        QTest::newRow("5") << 5 << "05 secondi" << "05 seconds";
        QTest::newRow("60") << 60 << "1 minuto e 00 secondi" << "1 minute and 00 seconds";
        QTest::newRow("65") << 65 << "1 minuto e 05 secondi" << "1 minute and 05 seconds";
        QTest::newRow("120") << 120 << "2  minuti e 00  secondi" << "2  minutes and 00  seconds";
        QTest::newRow("185") << 185 << "3  minuti e 05  secondi" << "3  minutes and 05  seconds";
        QTest::newRow("3725") << 3725 << "2  minuti e 05  secondi" << "2  minutes and 05  seconds";
    }
    void gameTimeInWords()
    {
        QFETCH(int, seconds);
        QFETCH(QString, italian);
        QFETCH(QString, english);
        QCOMPARE(timeInWords(seconds, Language::Italian), italian);
        QCOMPARE(timeInWords(seconds, Language::English), english);
    }

    // The other language of each end is checked on the window itself.
    void messageOfEachEnd_data()
    {
        QTest::addColumn<GameEnd>("end");
        QTest::addColumn<Language>("language");
        QTest::addColumn<Level>("level");
        QTest::addColumn<QString>("text");
        QTest::newRow("time over, Italian") << GameEnd::TimeOver << Language::Italian << Level::Easy
                                            << "Gioco terminato!\nRiprova.";
        QTest::newRow("solved on the stopwatch, English") << GameEnd::SolvedOnStopwatch << Language::English
            << Level::Medium << "Very good! You did it in...\n05 seconds";
        QTest::newRow("solved without a record, Italian") << GameEnd::SolvedWithoutRecord << Language::Italian
            << Level::Difficult << "Bravo...\nanche se non sei riuscito a battere il record, hai "
                                   "completato il puzzle in:\n05 secondi";
        QTest::newRow("new best time, English, Easy") << GameEnd::NewBestTime << Language::English << Level::Easy
            << "Excellent...\nyou set the best time ever in the category: Game Easy. You finished the puzzle in...\n05 seconds";
        QTest::newRow("new best time, Spanish, Difficult") << GameEnd::NewBestTime << Language::Spanish
            << Level::Difficult << u"¡Fantástico!...\nhas realizado el mejor tiempo absoluto en la "
                                   "categoría: Juego Difícil. Has completado el puzzle en...\n05 segundos"_s;
    }
    void messageOfEachEnd()
    {
        QFETCH(GameEnd, end);
        QFETCH(Language, language);
        QFETCH(Level, level);
        QFETCH(QString, text);
        QCOMPARE(endMessage(end, language, level, 5), text);
    }

    void writeKeepsEverySectionKeyAndComment_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new key joins its own section") << sharedFile << "Immagine" << "1"
            << QByteArray(sharedFile).replace("[Altro]", "1=Dario     80\n[Altro]");
        QTest::newRow("replaced key stays in its place") << sharedFile << "immagine" << "0"
            << QByteArray(sharedFile).replace("0=Anna      95\r\n", "0=Dario     80\n");
        const QByteArray longLines = "; " + QByteArray(2000, 'c') + "\n[Immagine]\nnote=" + QByteArray(1500, 'n')
                                     + "\n0=Anna      95\n[Z]\nq=1\n";
        QTest::newRow("long lines") << longLines << "Immagine" << "0"
                                    << QByteArray(longLines).replace("0=Anna      95", "0=Dario     80");
    }
    void writeKeepsEverySectionKeyAndComment()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        TestFolder folder;
        folder.writeScoreFile(before);
        QVERIFY(writeProfileString(section, key, u"Dario     80"_s, folder.scoreFile()));
        QCOMPARE(folder.readScoreFile(), after);
    }

    void awkwardNamesComeBackAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("starts with semicolon") << ";-)";
        QTest::newRow("hash") << "#1 Anna";
        QTest::newRow("quotes around") << "\"Bo\"";
        QTest::newRow("one quote") << "O\"Neil";
        QTest::newRow("square brackets") << "[Immagine]";
        QTest::newRow("accented") << QString::fromUtf8("Niccolò");
    }
    void awkwardNamesComeBackAsTyped()
    {
        QFETCH(QString, name);
        TestFolder folder;
        folder.writeScoreFile(sharedFile);
        const QString value = recordValue(name, 95);
        QVERIFY(writeProfileString(u"Immagine"_s, u"1"_s, value, folder.scoreFile()));
        QCOMPARE(getProfileString("Immagine", "1", "0", folder.scoreFile()), value);
        QCOMPARE(getProfileString("Immagine", "2", "0", folder.scoreFile()), u"Bo        150"_s);
        QCOMPARE(folder.readScoreFile().count('\n'), sharedFile.count('\n') + 1);
    }

    // Ten bytes of name in the Windows code page, eleven in UTF-8: ten characters either way.
    void storedNamesAreReadAsUtf8ElseWindows1252_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("name");
        QTest::newRow("windows-1252") << QByteArray("0=Niccol\xF2   120") << QString::fromUtf8("Niccolò   ");
        QTest::newRow("utf-8") << QByteArray("0=Niccol\xC3\xB2   120") << QString::fromUtf8("Niccolò   ");
        QTest::newRow("euro sign in 1252") << QByteArray("0=\x80uro      7") << QString::fromUtf8("€uro      ");
    }
    void storedNamesAreReadAsUtf8ElseWindows1252()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, name);
        TestFolder folder;
        folder.writeScoreFile("[Immagine]\r\n" + line + "\r\n");
        QCOMPARE(parseRecord(getProfileString("Immagine", "0", "0", folder.scoreFile())).nameField, name);
    }

    void writeThatRunsOutOfRoomLeavesFileAsItWas()
    {
        TestFolder folder;
        folder.writeScoreFile(sharedFile);
        // Room for the file as it is, not for the file with one more record.
        QVERIFY(!withFileSizeLimit(rlim_t(sharedFile.size()) + 8, [&] {
            return writeProfileString(u"Immagine"_s, u"1"_s, u"Carla     120"_s, folder.scoreFile());
        }));
        QCOMPARE(folder.readScoreFile(), sharedFile);
        QCOMPARE(QDir(folder.configDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"Quadrifoglio.sco"_s});
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
