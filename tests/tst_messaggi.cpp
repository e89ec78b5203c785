// The end-of-game message window driven as a player meets it: the message
// of each kind, the name box and every way of closing the
// window, where it stands, its frame and its colours.

#include "results/frmMessaggi.h"
#include "resources/Resources.h"
#include "support/GameFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

QImage shown(const QLabel *label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_messaggi : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NewPuzzle::MessageKind = 0;
        NewPuzzle::ElapsedSeconds = 0;
        NewPuzzle::RecordName.clear();
    }

    void eachKindShowsItsMessage_data()
    {
        QTest::addColumn<char>("digit");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("close");

        QTest::newRow("time over, English")
            << '1' << 1 << 0 << 300 << u"Game end! \nTry again."_s << 505 << 14.25 << QString() << u"&Close"_s;
        QTest::newRow("stopwatch, Italian")
            << '0' << 2 << 2 << 185 << u"Bravissimo! Hai completato il puzzle in....\n3  minuti e 05  secondi"_s
            << 503 << 14.25 << QString() << u"&Chiudi"_s;
        QTest::newRow("not beaten, English")
            << '1' << 3 << 0 << 3725
            << u"Good...\neven if you did not beat the record you ended the puzzle in...2  minutes e 05  seconds"_s
            << 504 << 12.0 << QString() << u"&Close"_s;
        QTest::newRow("new record, Italian, Medium")
            << '0' << 4 << 1 << 200
            << u"Eccezionale...\nhai realizzato il miglior tempo in assoluto per la categoria: Gioco Medio. Hai completato il puzzle in...\n3  minuti e 20  secondi"_s
            << 503 << 10.0 << u"Scrivi il tuo nome per registrare il record >"_s << u"&Chiudi"_s;
        QTest::newRow("new record, German, Easy")
            << '3' << 4 << 0 << 5
            << u"Ausgezeichnet \nDu hast die beste Zeit erreicht fuer die Kategorie: Spiel Einfach. Du hast das Puzzle in.... \n05 sekunden"_s
            << 503 << 10.0 << u"Schreib' deinen Namen >"_s << u"&Schilessen"_s;
        QTest::newRow("no such kind") << '0' << 9 << 0 << 5 << QString() << 0 << 14.25 << QString() << u"&Chiudi"_s;
    }
    void eachKindShowsItsMessage()
    {
        QFETCH(char, digit);
        QFETCH(int, kind);
        QFETCH(int, level);
        QFETCH(int, seconds);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(double, points);
        QFETCH(QString, prompt);
        QFETCH(QString, close);
        GameFixture game;
        game.startCopy(digit);
        game.form->optLevel[level]->setChecked(true);
        NewPuzzle::MessageKind = std::int16_t(kind);
        NewPuzzle::ElapsedSeconds = std::int16_t(seconds);

        frmMessaggi form(*game.form);
        QCOMPARE(form.lblmessaggi->text(), message);
        QCOMPARE(form.lblmessaggi->font().pointSizeF(), points);
        QCOMPARE(form.smileIcon(), icon);
        if (icon)
            QCOMPARE(shown(form.imgsmile),
                     QPixmap::fromImage(resources::LoadResIcon(icon)).toImage().convertToFormat(QImage::Format_ARGB32));
        else
            QVERIFY(form.imgsmile->pixmap().isNull());
        QCOMPARE(form.lblRecord->isVisibleTo(&form), kind == 4);
        QCOMPARE(form.txtRecord->isVisibleTo(&form), kind == 4);
        if (kind == 4)
            QCOMPARE(form.lblRecord->text(), prompt);
        QCOMPARE(form.cmdChiudi->text(), close);
        QCOMPARE(form.cmdChiudi->cursor().shape(), Qt::BitmapCursor);
    }

    void nameIsKeptHoweverTheWindowCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("close button") << u"button"_s;
        QTest::newRow("access key of the button") << u"alt"_s;
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
        int answered = 0;
        QString typed;
        bool closedAtOnce = false;
        AnswerModal<frmMessaggi>([&](frmMessaggi *form) {
            // The box takes ten characters at most.
            QTest::keyClicks(form->txtRecord, u"Massimiliano"_s);
            typed = form->txtRecord->text();
            if (way == u"button")
                QTest::mouseClick(form->cmdChiudi, Qt::LeftButton);
            else if (way == u"alt")
                QTest::keyClick(form->windowHandle(), Qt::Key_C, Qt::AltModifier);
            else if (way == u"close box")
                form->windowHandle()->close();
            else if (way == u"return")
                QTest::keyClick(form->txtRecord, Qt::Key_Return);
            else
                QTest::keyClick(form->txtRecord, Qt::Key_Escape);
            // An access key clicks after a short animation; the others close now.
            closedAtOnce = way == u"alt" || !form->isVisible();
        }, &answered);
        ShowMessageForm(*game.form);
        QCOMPARE(answered, 1);
        QVERIFY(closedAtOnce);
        QCOMPARE(typed, u"Massimilia"_s);
        QCOMPARE(NewPuzzle::RecordName, u"Massimilia"_s);
        // Released when it closed.
        QVERIFY(game.form->findChildren<frmMessaggi *>().isEmpty());
    }

    void withoutANameBoxTheNameIsBlank()
    {
        GameFixture game;
        game.startCopy();
        for (int kind = 1; kind <= 3; ++kind) {
            NewPuzzle::MessageKind = std::int16_t(kind);
            NewPuzzle::RecordName = u"Anna      "_s;
            AnswerModal<frmMessaggi>([](frmMessaggi *form) { form->close(); });
            ShowMessageForm(*game.form);
            QCOMPARE(NewPuzzle::RecordName, QString(10, u' '));
        }
    }

    void newRecordPutsTheCursorInTheNameBox()
    {
        GameFixture game;
        game.startCopy();
        NewPuzzle::MessageKind = 4;
        QWidget *focused = nullptr;
        QLineEdit *box = nullptr;
        bool active = false;
        AnswerModal<frmMessaggi>([&](frmMessaggi *form) {
            // A desktop makes a new dialog the active window.
            QTRY_VERIFY_WITH_TIMEOUT(form->isActiveWindow(), 2000);
            active = form->isActiveWindow();
            focused = QApplication::focusWidget();
            box = form->txtRecord;
            // Typing goes straight into the box, without a click.
            QTest::keyClicks(QApplication::focusWidget(), u"Bo"_s);
            form->close();
        });
        ShowMessageForm(*game.form);
        QVERIFY(active);
        QVERIFY(box);
        QVERIFY(focused == box);
        QCOMPARE(NewPuzzle::RecordName, u"Bo        "_s);
    }

    void windowIsAFixedDialogCentredAndShiftedRight()
    {
        GameFixture game;
        game.startCopy();
        NewPuzzle::MessageKind = 1;
        frmMessaggi form(*game.form);
        const Qt::WindowFlags flags = form.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(form.minimumSize(), QSize(380, 233));
        QCOMPARE(form.maximumSize(), QSize(380, 233));
        // (1024 - 380) / 2 + 3 across; (768 - 233) / 2 = 267.5 down, to the even 268.
        QCOMPARE(form.pos(), QPoint(325, 268));

        game.fakes.screen.size = QSize(800, 600);
        frmMessaggi small(*game.form);
        QCOMPARE(small.pos(), QPoint(213, 184));
    }

    void windowTakesTheMainWindowsColour()
    {
        GameFixture game;
        game.startCopy();
        NewPuzzle::MessageKind = 1;
        game.form->setBackColor(QColor(0, 128, 64));
        frmMessaggi form(*game.form);
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0, 128, 64));
        QVERIFY(form.autoFillBackground());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.grab().toImage().pixelColor(370, 225), QColor(0, 128, 64));
    }

    void eachShowingStartsAfresh()
    {
        GameFixture game;
        game.startCopy();
        NewPuzzle::MessageKind = 4;
        AnswerModal<frmMessaggi>([](frmMessaggi *form) {
            QTest::keyClicks(form->txtRecord, u"Anna"_s);
            form->close();
        });
        ShowMessageForm(*game.form);

        QString boxText = u"unset"_s;
        AnswerModal<frmMessaggi>([&](frmMessaggi *form) {
            boxText = form->txtRecord->text();
            form->close();
        });
        ShowMessageForm(*game.form);
        QCOMPARE(boxText, QString());
    }
};

QTEST_MAIN(tst_messaggi)
#include "tst_messaggi.moc"
