// The best time of each level on the main window: shown at Play, compared at
// the end of a game solved against the clock, and recorded under the name
// the player types into the message window.

#include "results/frmMessaggi.h"
#include "support/GameFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QByteArray threeRecords = "[BackColor]\r\n"
                                "Color=2\r\n"
                                "[Immagine]\r\n"
                                "0=<b>x</b>  95\r\n"
                                "1=Bo        230\r\n"
                                "2=Carla     3725\r\n";

// What the player met in the message window of one game.
struct Answer
{
    int shown = 0;
    std::int16_t kind = 0;
    QString message;
    bool nameBox = false;
};

// The game of `level` ends after `seconds` on a copy with the score file
// `scores` (none when empty); the message window that opens is answered by
// typing `name` when it has a name box, and closed with its button.
Answer endGame(GameFixture &game, const QByteArray &scores, int level, int seconds, const QString &name)
{
    game.startCopy();
    if (!scores.isEmpty())
        game.folder.writeScoreFile(scores);
    game.form->optLevel[level]->setChecked(true);
    game.form->Level = std::int16_t(level);
    NewPuzzle::ElapsedSeconds = std::int16_t(seconds);
    Answer answer;
    AnswerModal<frmMessaggi>([&answer, name](frmMessaggi *form) {
        ++answer.shown;
        answer.kind = NewPuzzle::MessageKind;
        answer.message = form->lblmessaggi->text();
        answer.nameBox = form->txtRecord->isVisible();
        if (answer.nameBox)
            TypeText(form->txtRecord, name);
        QTest::mouseClick(form->cmdChiudi, Qt::LeftButton);
    });
    game.form->CheckBestTime();
    return answer;
}

} // namespace

class tst_besttime : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NewPuzzle::MessageKind = 0;
        NewPuzzle::ElapsedSeconds = 0;
        NewPuzzle::RecordName.clear();
    }

    void withoutScoreFileNoBestTimeIsShown()
    {
        GameFixture game;
        game.startCopy();
        game.form->lblWinner->setText(u"Anna\n01:35"_s);
        game.form->lblWinner->setVisible(false);
        game.form->Level = 0;
        game.form->ShowBestTime();
        QCOMPARE(game.form->lblWinner->text(), u"-------"_s);
        QVERIFY(game.form->lblWinner->isHidden());
        // Looking does not create the file.
        QVERIFY(!game.folder.scoreFileExists());
    }

    void eachLevelShowsItsOwnBestTime_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Easy, markup in the name") << 0 << u"<b>x</b>\n01:35"_s;
        QTest::newRow("Medium") << 1 << u"Bo\n03:50"_s;
        QTest::newRow("Difficult, an hour and more") << 2 << u"Carla\n02:05"_s;
    }
    void eachLevelShowsItsOwnBestTime()
    {
        QFETCH(int, level);
        QFETCH(QString, caption);
        GameFixture game;
        game.startCopy();
        game.folder.writeScoreFile(threeRecords);
        game.form->lblWinner->setVisible(false);
        game.form->Level = std::int16_t(level);
        game.form->ShowBestTime();
        QCOMPARE(game.form->lblWinner->text(), caption);
        QCOMPARE(game.form->lblWinner->textFormat(), Qt::PlainText);
        QVERIFY(!game.form->lblWinner->isHidden());
    }

    void timeNoBetterThanTheRecordChangesNothing_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("message");
        QTest::newRow("equal time") << 1 << 230
            << u"Bravo...\nanche se non sei riuscito a battere il record hai completato il puzzle in: \n3  minuti e 50  secondi"_s;
        QTest::newRow("worse time") << 0 << 120
            << u"Bravo...\nanche se non sei riuscito a battere il record hai completato il puzzle in: \n2  minuti e 00  secondi"_s;
    }
    void timeNoBetterThanTheRecordChangesNothing()
    {
        QFETCH(int, level);
        QFETCH(int, seconds);
        QFETCH(QString, message);
        GameFixture game;
        const Answer answer = endGame(game, threeRecords, level, seconds, u"Dario"_s);
        QCOMPARE(answer.shown, 1);
        QCOMPARE(answer.kind, std::int16_t(3));
        QVERIFY(!answer.nameBox);
        QCOMPARE(answer.message, message);
        QCOMPARE(game.folder.readScoreFile(), threeRecords);
    }

    void newRecordIsWrittenForItsLevelOnly_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("caption");
        QTest::newRow("better time at Medium")
            << threeRecords << 1 << 200 << QByteArray(threeRecords).replace("1=Bo        230\r\n", "1=Dario     200\n")
            << u"Dario\n03:20"_s;
        QTest::newRow("first game of Difficult")
            << QByteArray() << 2 << 179 << QByteArray("[Immagine]\n2=Dario     179\n") << u"Dario\n02:59"_s;
        QTest::newRow("stored time beyond 16 bits")
            << QByteArray("[Immagine]\r\n0=Anna      99999\r\n") << 0 << 299
            << QByteArray("[Immagine]\r\n0=Dario     299\n") << u"Dario\n04:59"_s;
    }
    void newRecordIsWrittenForItsLevelOnly()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, level);
        QFETCH(int, seconds);
        QFETCH(QByteArray, after);
        QFETCH(QString, caption);
        GameFixture game;
        const Answer answer = endGame(game, before, level, seconds, u"Dario"_s);
        QCOMPARE(answer.shown, 1);
        QCOMPARE(answer.kind, std::int16_t(4));
        QVERIFY(answer.nameBox);
        QCOMPARE(game.folder.readScoreFile(), after);
        QVERIFY(game.fakes.messages.shown.isEmpty());
        // The next Play at that level shows the new holder.
        game.form->ShowBestTime();
        QCOMPARE(game.form->lblWinner->text(), caption);
    }

    void typedNameIsStoredInItsTenCharacterField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("twelve letters, ten taken") << u"Massimiliano"_s << QByteArray("0=Massimilia90");
        QTest::newRow("short name padded") << u"Bo"_s << QByteArray("0=Bo        90");
        QTest::newRow("spaces around dropped") << u"  Bo  "_s << QByteArray("0=Bo        90");
        QTest::newRow("accented letters") << u"Niccolò"_s << QByteArray("0=Niccol\xC3\xB2   90");
    }
    void typedNameIsStoredInItsTenCharacterField()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, line);
        GameFixture game;
        QCOMPARE(endGame(game, threeRecords, 0, 90, typed).kind, std::int16_t(4));
        const QByteArray file = game.folder.readScoreFile();
        QVERIFY2(file.contains(line + '\n'), file.constData());
        // Whatever the name holds, it reads back as the holder of the record.
        game.form->ShowBestTime();
        QCOMPARE(game.form->lblWinner->text().section(u'\n', 0, 0), typed.left(10).trimmed());
    }

    void blankNameWritesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("nothing typed") << QString();
        QTest::newRow("only spaces") << u"     "_s;
    }
    void blankNameWritesNothing()
    {
        QFETCH(QString, typed);
        GameFixture game;
        QCOMPARE(endGame(game, threeRecords, 1, 100, typed).kind, std::int16_t(4));
        QCOMPARE(game.folder.readScoreFile(), threeRecords);
        QCOMPARE(NewPuzzle::RecordName, QString(10, u' '));
        QVERIFY(game.fakes.messages.shown.isEmpty());
    }

    void recordThatCannotBeWrittenIsReported()
    {
        GameFixture game;
        game.fakes.folders.windows = game.folder.configDir() + u"/gone"_s;
        QCOMPARE(endGame(game, QByteArray(), 0, 150, u"Anna"_s).kind, std::int16_t(4));
        QCOMPARE(game.fakes.messages.shown.size(), 1);
        const ShownMessage box = game.fakes.messages.shown.first();
        QCOMPARE(box.text, u"Error in subroutine: RegistraMigliorTempo\r\nErrore n°  76  (Path not found)"_s);
        QCOMPARE(box.style, int(platform::MbCritical));
        QCOMPARE(box.title, u"Quadrifoglio"_s);
    }
};

QTEST_MAIN(tst_besttime)
#include "tst_besttime.moc"
