// What a gift-maker leaves beside the game (the first line of Matrix.dat)
// and what the preferences keep in the score file.

#include "game/GiftSettings.h"
#include "game/Preferences.h"
#include "game/Text.h"
#include "platform/Profile.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void configurationFolderIsXdgConfigHomeElseDotConfig_data()
    {
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("folder"); // null: none to be had
        QTest::newRow("XDG_CONFIG_HOME, cleaned") << "/x/cfg/" << "/home/a" << "/x/cfg";
        QTest::newRow("no XDG_CONFIG_HOME") << "" << "/home/a" << "/home/a/.config";
        // A relative XDG_CONFIG_HOME is to be ignored.
        QTest::newRow("relative XDG_CONFIG_HOME") << "cfg" << "/home/a" << "/home/a/.config";
        QTest::newRow("neither") << "" << "" << QString();
    }
    void configurationFolderIsXdgConfigHomeElseDotConfig()
    {
        QFETCH(QString, xdgConfigHome);
        QFETCH(QString, home);
        QFETCH(QString, folder);
        QCOMPARE(Preferences::configFolderFor(xdgConfigHome, home), folder);
    }

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

    // The 32 codes where Windows-1252 differs from Latin-1; the five it
    // leaves unused stand for themselves.
    void windows1252HighCodes()
    {
        QByteArray bytes;
        for (int b = 0x80; b <= 0x9F; ++b)
            bytes += char(b);
        QCOMPARE(textcodec::decodeWindows1252(bytes),
                 u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                 u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178"_s);
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
        QTest::newRow("10 kept") << "10" << 10;
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

    // What the window chose comes back at the next start, through the score
    // file itself.
    void colourAndSoundComeBackFromTheScoreFile_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<bool>("sound");
        QTest::newRow("first colour, sound off") << 0 << false;
        QTest::newRow("last colour") << 9 << true;
        QTest::newRow("an edited 12") << 12 << false;
        QTest::newRow("an edited 32767") << 32767 << true;
    }
    void colourAndSoundComeBackFromTheScoreFile()
    {
        QFETCH(int, colour);
        QFETCH(bool, sound);
        TestFolder folder;
        {
            Preferences chosen(std::make_unique<platform::ScoreFile>(folder.scoreFile()));
            QSignalSpy colours(&chosen, &Preferences::colourChanged);
            chosen.setColourIndex(colour);
            chosen.setSoundOn(sound);
            QCOMPARE(colours.size(), colour == 0 ? 0 : 1);
            QVERIFY(!chosen.saveColour());
        }
        Preferences next(std::make_unique<platform::ScoreFile>(folder.scoreFile()));
        QCOMPARE(next.colourIndex(), colour);
        QCOMPARE(next.soundOn(), sound);
    }

    // Nothing is written until the player changes something; the window
    // has a section of its own beside the records.
    void preferencesLayOutTheScoreFile()
    {
        auto store = std::make_unique<FakeSettings>();
        FakeSettings &values = *store;
        Preferences preferences(std::move(store));
        QCOMPARE(preferences.colourIndex(), 0);
        QVERIFY(preferences.soundOn());
        QCOMPARE(preferences.bestTime(Level::Medium), u"0"_s);
        QVERIFY(values.values.isEmpty());
        QVERIFY(!preferences.saveBestTime(Level::Medium, u"Anna      90"_s));
        QVERIFY(!preferences.saveWindowPlacement({QRect(2, 40, 800, 620), WindowPlacement::Mode::Maximized}));
        preferences.setSoundOn(false);
        QCOMPARE(values.values, (QMap<QString, QString>{{u"Immagine/1"_s, u"Anna      90"_s},
                                                        {u"Window/Geometry"_s, u"2,40,800,620"_s},
                                                        {u"Window/State"_s, u"Maximized"_s},
                                                        {u"Sound/On"_s, u"0"_s}}));
        QCOMPARE(preferences.bestTime(Level::Medium), u"Anna      90"_s);
    }

    // A key of the window's section is written only when its value changed;
    // an edited section is written afresh.
    void windowPlacementWrittenWhenChanged_data()
    {
        QTest::addColumn<QString>("geometry");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("geometryAfter");
        QTest::addColumn<QString>("stateAfter");
        QTest::newRow("as kept") << u" 2, 40,800,620"_s << u"normal"_s << u" 2, 40,800,620"_s << u"normal"_s;
        QTest::newRow("state only") << u" 2, 40,800,620"_s << u"FullScreen"_s << u" 2, 40,800,620"_s << u"Normal"_s;
        QTest::newRow("moved") << u"0,0,800,620"_s << u"Normal"_s << u"2,40,800,620"_s << u"Normal"_s;
        QTest::newRow("edited size") << u"2,40,800"_s << u"Normal"_s << u"2,40,800,620"_s << u"Normal"_s;
        QTest::newRow("edited state") << u"2,40,800,620"_s << u"tall"_s << u"2,40,800,620"_s << u"Normal"_s;
        QTest::newRow("huge") << u"2,40,800,999999"_s << u"Normal"_s << u"2,40,800,620"_s << u"Normal"_s;
    }
    void windowPlacementWrittenWhenChanged()
    {
        QFETCH(QString, geometry);
        QFETCH(QString, state);
        auto store = std::make_unique<FakeSettings>();
        FakeSettings &values = *store;
        values.values = {{u"Window/Geometry"_s, geometry}, {u"Window/State"_s, state}};
        Preferences preferences(std::move(store));
        const WindowPlacement placement{QRect(2, 40, 800, 620), WindowPlacement::Mode::Normal};
        QVERIFY(!preferences.saveWindowPlacement(placement));
        QTEST(values.values.value(u"Window/Geometry"_s), "geometryAfter");
        QTEST(values.values.value(u"Window/State"_s), "stateAfter");
        QCOMPARE(preferences.windowPlacement(), std::optional<WindowPlacement>(placement));
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
