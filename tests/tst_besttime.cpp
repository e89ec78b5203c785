// The best time of each level on the main window: shown at Play, compared at
// the end of a game solved against the clock, and recorded under the name
// the player types into the message window.

#include "results/frmMessaggi.h"
#include "support/GameFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QByteArray threeRecords = "[BackColor]\r\n"
                                "Color=2\r\n"
                                "[Immagine]\r\n"
                                "0=Anna      95\r\n"
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

// Answers the next message window: notes what it shows, types `name` when
// the name box is there, and closes it with its button.
void answerWith(Answer &answer, const QString &name)
{
    AnswerModal<frmMessaggi>([&answer, name](frmMessaggi *form) {
        ++answer.shown;
        answer.kind = NewPuzzle::MessageKind;
        answer.message = form->lblmessaggi->text();
        answer.nameBox = form->txtRecord->isVisible();
        if (answer.nameBox)
            TypeText(form->txtRecord, name);
        QTest::mouseClick(form->cmdChiudi, Qt::LeftButton);
    });
}

} // namespace

class tst_besttime : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void withoutScoreFileNoBestTimeIsShown();
    void eachLevelShowsItsOwnBestTime_data();
    void eachLevelShowsItsOwnBestTime();
    void storedNameIsShownAsPlainText();
    void timeNoBetterThanTheRecordChangesNothing_data();
    void timeNoBetterThanTheRecordChangesNothing();
    void betterTimeIsRecordedForItsLevelOnly();
    void firstGameOfALevelAlwaysSetsTheRecord();
    void typedNameIsStoredInItsTenCharacterField_data();
    void typedNameIsStoredInItsTenCharacterField();
    void blankNameWritesNothing_data();
    void blankNameWritesNothing();
    void storedTimeTooLargeForAGameIsBeaten();
    void recordThatCannotBeWrittenIsReported();
};

void tst_besttime::init()
{
    NewPuzzle::MessageKind = 0;
    NewPuzzle::ElapsedSeconds = 0;
    NewPuzzle::RecordName.clear();
}

void tst_besttime::withoutScoreFileNoBestTimeIsShown()
{
    GameFixture game;
    game.startCopy();
    QVERIFY(!game.folder.scoreFileExists());
    game.form->lblWinner->setText(u"Anna\n01:35"_s);
    game.form->lblWinner->setVisible(false);
    game.form->Level = 0;
    game.form->ShowBestTime();
    QCOMPARE(game.form->lblWinner->text(), u"-------"_s);
    QVERIFY(game.form->lblWinner->isHidden());
    // Looking does not create the file.
    QVERIFY(!game.folder.scoreFileExists());
}

void tst_besttime::eachLevelShowsItsOwnBestTime_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Easy") << 0 << u"Anna\n01:35"_s;
    QTest::newRow("Medium") << 1 << u"Bo\n03:50"_s;
    QTest::newRow("Difficult, an hour and more") << 2 << u"Carla\n02:05"_s;
}

void tst_besttime::eachLevelShowsItsOwnBestTime()
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
    QVERIFY(!game.form->lblWinner->isHidden());
}

void tst_besttime::storedNameIsShownAsPlainText()
{
    GameFixture game;
    game.startCopy();
    game.folder.writeScoreFile("[Immagine]\n0=<b>x</b>  95\n");
    game.form->ShowBestTime();
    QCOMPARE(game.form->lblWinner->textFormat(), Qt::PlainText);
    QCOMPARE(game.form->lblWinner->text(), u"<b>x</b>\n01:35"_s);
}

void tst_besttime::timeNoBetterThanTheRecordChangesNothing_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("message");
    QTest::newRow("equal time") << 1 << 230
        << u"Bravo...\nanche se non sei riuscito a battere il record hai completato il puzzle in: \n3  minuti e 50  secondi"_s;
    QTest::newRow("worse time") << 0 << 120
        << u"Bravo...\nanche se non sei riuscito a battere il record hai completato il puzzle in: \n2  minuti e 00  secondi"_s;
}

void tst_besttime::timeNoBetterThanTheRecordChangesNothing()
{
    QFETCH(int, level);
    QFETCH(int, seconds);
    QFETCH(QString, message);
    GameFixture game;
    game.startCopy();
    game.folder.writeScoreFile(threeRecords);
    game.form->Level = std::int16_t(level);
    NewPuzzle::ElapsedSeconds = std::int16_t(seconds);
    Answer answer;
    answerWith(answer, u"Dario"_s);
    game.form->CheckBestTime();
    QCOMPARE(answer.shown, 1);
    QCOMPARE(answer.kind, std::int16_t(3));
    QVERIFY(!answer.nameBox);
    QCOMPARE(answer.message, message);
    QCOMPARE(game.folder.readScoreFile(), threeRecords);
}

void tst_besttime::betterTimeIsRecordedForItsLevelOnly()
{
    GameFixture game;
    game.startCopy();
    game.folder.writeScoreFile(threeRecords);
    game.form->optLevel[1]->setChecked(true);
    game.form->Level = 1;
    NewPuzzle::ElapsedSeconds = 200;
    Answer answer;
    answerWith(answer, u"Dario"_s);
    game.form->CheckBestTime();

    QCOMPARE(answer.shown, 1);
    QCOMPARE(answer.kind, std::int16_t(4));
    QVERIFY(answer.nameBox);
    QCOMPARE(answer.message,
             u"Eccezionale...\nhai realizzato il miglior tempo in assoluto per la categoria: Gioco Medio. "
             "Hai completato il puzzle in...\n3  minuti e 20  secondi"_s);
    QByteArray expected = threeRecords;
    expected.replace("1=Bo        230\r\n", "1=Dario     200\n");
    QCOMPARE(game.folder.readScoreFile(), expected);
    QVERIFY(game.fakes.messages.shown.isEmpty());

    // The next Play at Medium shows the new holder.
    game.form->ShowBestTime();
    QCOMPARE(game.form->lblWinner->text(), u"Dario\n03:20"_s);
}

void tst_besttime::firstGameOfALevelAlwaysSetsTheRecord()
{
    GameFixture game;
    game.startCopy();
    game.form->optLevel[2]->setChecked(true);
    game.form->Level = 2;
    NewPuzzle::ElapsedSeconds = 179;
    Answer answer;
    answerWith(answer, u"Anna"_s);
    game.form->CheckBestTime();
    QCOMPARE(answer.kind, std::int16_t(4));
    QCOMPARE(game.folder.readScoreFile(), QByteArray("[Immagine]\n2=Anna      179\n"));
}

void tst_besttime::typedNameIsStoredInItsTenCharacterField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("twelve letters, ten taken") << u"Massimiliano"_s << QByteArray("0=Massimilia90");
    QTest::newRow("short name padded") << u"Bo"_s << QByteArray("0=Bo        90");
    QTest::newRow("spaces around dropped") << u"  Bo  "_s << QByteArray("0=Bo        90");
    QTest::newRow("accented letters") << u"Niccolò"_s << QByteArray("0=Niccol\xC3\xB2   90");
    QTest::newRow("comment character") << u"Bo;Anna"_s << QByteArray("0=\"Bo;Anna   90\"");
}

void tst_besttime::typedNameIsStoredInItsTenCharacterField()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, line);
    GameFixture game;
    game.startCopy();
    game.folder.writeScoreFile(threeRecords);
    game.form->optLevel[0]->setChecked(true);
    game.form->Level = 0;
    NewPuzzle::ElapsedSeconds = 90;
    Answer answer;
    answerWith(answer, typed);
    game.form->CheckBestTime();
    QCOMPARE(answer.kind, std::int16_t(4));
    const QByteArray file = game.folder.readScoreFile();
    QVERIFY2(file.contains(line + '\n'), file.constData());
    // Whatever the name holds, it reads back as the holder of the record.
    game.form->ShowBestTime();
    QCOMPARE(game.form->lblWinner->text().section(u'\n', 0, 0), typed.left(10).trimmed());
}

void tst_besttime::blankNameWritesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing typed") << QString();
    QTest::newRow("only spaces") << u"     "_s;
}

void tst_besttime::blankNameWritesNothing()
{
    QFETCH(QString, typed);
    GameFixture game;
    game.startCopy();
    game.folder.writeScoreFile(threeRecords);
    game.form->Level = 1;
    NewPuzzle::ElapsedSeconds = 100;
    Answer answer;
    answerWith(answer, typed);
    game.form->CheckBestTime();
    QCOMPARE(answer.kind, std::int16_t(4));
    QCOMPARE(game.folder.readScoreFile(), threeRecords);
    QCOMPARE(NewPuzzle::RecordName, QString(10, u' '));
    QVERIFY(game.fakes.messages.shown.isEmpty());
}

void tst_besttime::storedTimeTooLargeForAGameIsBeaten()
{
    GameFixture game;
    game.startCopy();
    game.folder.writeScoreFile("[Immagine]\r\n0=Anna      99999\r\n");
    game.form->Level = 0;
    NewPuzzle::ElapsedSeconds = 299;
    Answer answer;
    answerWith(answer, u"Bo"_s);
    game.form->CheckBestTime();
    QCOMPARE(answer.kind, std::int16_t(4));
    QCOMPARE(game.folder.readScoreFile(), QByteArray("[Immagine]\r\n0=Bo        299\n"));
}

void tst_besttime::recordThatCannotBeWrittenIsReported()
{
    GameFixture game;
    game.startCopy();
    game.form->ScoreFile = game.folder.configDir() + u"/gone/Quadrifoglio.sco"_s;
    game.form->Level = 0;
    NewPuzzle::ElapsedSeconds = 150;
    Answer answer;
    answerWith(answer, u"Anna"_s);
    game.form->CheckBestTime();
    QCOMPARE(answer.kind, std::int16_t(4));
    QCOMPARE(game.fakes.messages.shown.size(), 1);
    const ShownMessage box = game.fakes.messages.shown.first();
    QCOMPARE(box.text, u"Error in subroutine: RegistraMigliorTempo\r\nErrore n°  76  (Path not found)"_s);
    QCOMPARE(box.style, int(platform::MbCritical));
    QCOMPARE(box.title, u"Quadrifoglio"_s);
}

QTEST_MAIN(tst_besttime)
#include "tst_besttime.moc"
