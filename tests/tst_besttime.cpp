// The best time of each level on the main window: shown at Play, compared at
// the end of a game solved against the clock, and recorded under the name
// the player types into the message window.

#include "support/GameFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QByteArray threeRecords = "[BackColor]\r\nColor=2\r\n[Immagine]\r\n"
                                "0=<b>x</b>  95\r\n1=Bo        230\r\n2=Carla     3725\r\n";

// A game of `level` solved in `seconds` on a copy with the score file
// `scores` (none when empty); the end-of-game window is answered by typing
// `name` when it has a name box. Returns the end met.
int endGame(GameFixture &game, const QByteArray &scores, int level, int seconds, const QString &name)
{
    game.startCopy();
    if (!scores.isEmpty())
        game.folder.writeScoreFile(scores);
    game.startGame(level);
    for (int i = 1; i < puzzle::PieceCount; ++i)
        game.placePiece(i);
    game.tickAfter(std::uint32_t(seconds) * 1000);
    game.placePiece(puzzle::PieceCount);
    game.fakes.clock.advance(Game::ShowingMilliseconds);
    ResultDialog *dialog = game.resultDialog();
    if (!dialog)
        return 0;
    const int end = int(game.game().result().end);
    auto *box = dialog->findChild<QLineEdit *>("name");
    if (box->isVisible())
        TypeText(box, name);
    QTest::mouseClick(dialog->findChild<QToolButton *>("close"), Qt::LeftButton);
    return end;
}

} // namespace

class tst_besttime : public QObject
{
    Q_OBJECT

private slots:
    void eachLevelShowsItsOwnBestTime_data()
    {
        QTest::addColumn<QByteArray>("scores");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no score file") << QByteArray() << 0 << u"-------"_s;
        QTest::newRow("Easy, markup in the name") << threeRecords << 0 << u"<b>x</b>\n01:35"_s;
        QTest::newRow("Difficult, an hour and more") << threeRecords << 2 << u"Carla\n02:05"_s;
    }
    void eachLevelShowsItsOwnBestTime()
    {
        QFETCH(QByteArray, scores);
        QFETCH(int, level);
        QFETCH(QString, caption);
        GameFixture game;
        game.startCopy();
        if (!scores.isEmpty())
            game.folder.writeScoreFile(scores);
        game.startGame(level);
        const QLabel *best = game.find<QLabel>("bestTime");
        QCOMPARE(best->text(), caption);
        QCOMPARE(best->textFormat(), Qt::PlainText);
        QVERIFY(best->isVisible());
        // Looking does not create the file.
        QCOMPARE(game.folder.scoreFileExists(), !scores.isEmpty());
    }

    void recordIsWrittenForItsLevelOnly_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("after");
        const auto easy = [](const char *line) { return QByteArray(threeRecords).replace("0=<b>x</b>  95\r\n", line); };
        QTest::newRow("equal time is not a record") << threeRecords << 1 << 230 << u"Dario"_s << 3 << threeRecords;
        QTest::newRow("better time at Medium") << threeRecords << 1 << 229 << u"Dario"_s << 4
            << QByteArray(threeRecords).replace("1=Bo        230\r\n", "1=Dario     229\n");
        QTest::newRow("first game of Difficult")
            << QByteArray() << 2 << 179 << u"Dario"_s << 4 << QByteArray("[Immagine]\n2=Dario     179\n");
        QTest::newRow("stored time beyond 16 bits") << QByteArray("[Immagine]\r\n0=Anna      99999\r\n") << 0 << 299
            << u"Dario"_s << 4 << QByteArray("[Immagine]\r\n0=Dario     299\n");
        QTest::newRow("twelve letters, ten taken") << threeRecords << 0 << 90 << u"Massimiliano"_s << 4
                                                   << easy("0=Massimilia90\n");
        QTest::newRow("short name padded, spaces around dropped") << threeRecords << 0 << 90 << u"  Bo  "_s << 4
                                                                  << easy("0=Bo        90\n");
        QTest::newRow("nothing typed") << threeRecords << 0 << 90 << QString() << 4 << threeRecords;
        QTest::newRow("only spaces") << threeRecords << 0 << 90 << u"     "_s << 4 << threeRecords;
    }
    void recordIsWrittenForItsLevelOnly()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, level);
        QFETCH(int, seconds);
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QByteArray, after);
        GameFixture game;
        QCOMPARE(endGame(game, before, level, seconds, typed), kind);
        QCOMPARE(game.folder.readScoreFile(), after);
        QVERIFY(game.fakes.messages.shown.isEmpty());
    }

    void recordThatCannotBeWrittenIsReported()
    {
        GameFixture game;
        game.fakes.folders.config = game.folder.configDir() + u"/gone"_s;
        QCOMPARE(endGame(game, QByteArray(), 0, 150, u"Anna"_s), 4);
        QCOMPARE(game.fakes.messages.shown.size(), 1);
        const ShownMessage box = game.fakes.messages.shown.first();
        // The copy is Italian: what failed and where, in Italian.
        QCOMPARE(box.text, u"Non è stato possibile salvare il tuo miglior tempo in\n"_s + game.folder.configDir()
                               + u"/gone/Quadrifoglio.sco\nLa cartella non esiste."_s);
        QCOMPARE(box.icon, platform::MessageIcon::Critical);
        QCOMPARE(box.title, u"Quadrifoglio"_s);
    }
};

QTEST_MAIN(tst_besttime)
#include "tst_besttime.moc"
