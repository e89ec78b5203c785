// The end-of-game message window driven as a player meets it: the message
// of each kind, the name box and every way of closing the window, where it
// stands and its frame.

#include "ui/ResultDialog.h"
#include "support/GameFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace Qt::StringLiterals;

class tst_messaggi : public QObject
{
    Q_OBJECT

private slots:
    // The first language of each kind is checked on the rules alone.
    void eachKindShowsItsMessage_data()
    {
        QTest::addColumn<char>("digit");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("close");
        QTest::newRow("time over, English") << '1' << 1 << u"Game end! \nTry again."_s << 505 << QString() << u"&Close"_s;
        QTest::newRow("stopwatch, Italian") << '0' << 2
            << u"Bravissimo! Hai completato il puzzle in....\n3  minuti e 05  secondi"_s << 503 << QString() << u"&Chiudi"_s;
        QTest::newRow("not beaten, English") << '1' << 3
            << u"Good...\neven if you did not beat the record you ended the puzzle in...3  minutes e 05  seconds"_s
            << 504 << QString() << u"&Close"_s;
        QTest::newRow("new record, Italian, Medium") << '0' << 4
            << u"Eccezionale...\nhai realizzato il miglior tempo in assoluto per la categoria: Gioco Medio. Hai completato il puzzle in...\n3  minuti e 05  secondi"_s
            << 503 << u"Scrivi il tuo nome per registrare il record >"_s << u"&Chiudi"_s;
    }
    void eachKindShowsItsMessage()
    {
        QFETCH(char, digit);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, prompt);
        QFETCH(QString, close);
        GameFixture game;
        game.startCopy(digit);
        game.form->optLevel[1]->setChecked(true);
        NewPuzzle::MessageKind = std::int16_t(kind);
        NewPuzzle::ElapsedSeconds = 185;
        frmMessaggi form(*game.form);
        QCOMPARE(form.lblmessaggi->text(), message);
        QCOMPARE(form.smileIcon(), icon);
        QVERIFY(!form.imgsmile->pixmap().isNull());
        QCOMPARE(form.txtRecord->isVisibleTo(&form), kind == 4);
        QCOMPARE(form.lblRecord->isVisibleTo(&form) ? form.lblRecord->text() : QString(), prompt);
        QCOMPARE(form.cmdChiudi->text(), close);
    }

    void nameIsKeptHoweverTheWindowCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("close button") << u"button"_s;
        QTest::newRow("close box") << u"close box"_s;
        QTest::newRow("Escape") << u"escape"_s;
        QTest::newRow("Return in the name box") << u"return"_s;
    }
    void nameIsKeptHoweverTheWindowCloses()
    {
        QFETCH(QString, way);
        GameFixture game;
        game.startCopy();
        NewPuzzle::MessageKind = 4;
        NewPuzzle::RecordName = u"old name  "_s;
        QString typed;
        bool closed = false;
        AnswerModal<frmMessaggi>([&](frmMessaggi *form) {
            QTest::keyClicks(form->txtRecord, u"Massimiliano"_s);
            typed = form->txtRecord->text();
            if (way == u"button")
                QTest::mouseClick(form->cmdChiudi, Qt::LeftButton);
            else if (way == u"close box")
                form->windowHandle()->close();
            else
                QTest::keyClick(form->txtRecord, way == u"return" ? Qt::Key_Return : Qt::Key_Escape);
            closed = !form->isVisible();
        });
        ShowMessageForm(*game.form);
        QVERIFY(closed);
        // The box takes ten characters at most.
        QCOMPARE(typed, u"Massimilia"_s);
        QCOMPARE(NewPuzzle::RecordName, u"Massimilia"_s);
        QVERIFY(game.form->findChildren<frmMessaggi *>().isEmpty());
    }

    void eachShowingStartsAfreshWithTheCursorInTheNameBox()
    {
        GameFixture game;
        game.startCopy();
        NewPuzzle::MessageKind = 4;
        QStringList boxTexts;
        for (int showing = 0; showing < 2; ++showing) {
            AnswerModal<frmMessaggi>([&](frmMessaggi *form) {
                // A desktop makes a new dialog the active window.
                QTRY_VERIFY_WITH_TIMEOUT(form->isActiveWindow(), 2000);
                boxTexts << form->txtRecord->text();
                // Typing goes straight into the box, without a click.
                QTest::keyClicks(QApplication::focusWidget(), u"Bo"_s);
                boxTexts << form->txtRecord->text();
                form->close();
            });
            ShowMessageForm(*game.form);
        }
        QCOMPARE(boxTexts, (QStringList{QString(), u"Bo"_s, QString(), u"Bo"_s}));
        QCOMPARE(NewPuzzle::RecordName, u"Bo        "_s);
    }

    void windowIsAFixedDialogCentredAndShiftedRightInTheMainWindowsColour()
    {
        GameFixture game;
        game.startCopy();
        NewPuzzle::MessageKind = 1;
        game.form->setBackColor(QColor(0, 128, 64));
        frmMessaggi form(*game.form);
        const auto buttons = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(form.windowFlags() & (Qt::WindowType_Mask | buttons), Qt::Dialog | Qt::WindowCloseButtonHint);
        QCOMPARE(form.minimumSize(), form.maximumSize());
        // (1024 - 380) / 2 + 3 across; (768 - 233) / 2 = 267.5 down, to the even 268.
        QCOMPARE(form.pos(), QPoint(325, 268));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0, 128, 64));
    }
};

QTEST_MAIN(tst_messaggi)
#include "tst_messaggi.moc"
