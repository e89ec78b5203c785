// The end-of-game window as a player meets it: the message of each end, the
// name box and every way of closing the window, where it stands and its frame.

#include "support/GameFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace Qt::StringLiterals;
using besttimes::GameEnd;

namespace {

Game::Result result(int end, Level level = Level::Medium, int seconds = 185)
{
    return {GameEnd(end), level, seconds};
}

} // namespace

class tst_result_dialog : public QObject
{
    Q_OBJECT

private slots:
    void eachEndShowsItsMessage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("close");
        QTest::newRow("time over, English") << 1 << 1 << u"Game over!\nTry again."_s << 505 << QString() << u"&Close"_s;
        QTest::newRow("stopwatch, Italian") << 0 << 2
            << u"Bravissimo! Hai completato il puzzle in...\n3  minuti e 05  secondi"_s << 503 << QString() << u"&Chiudi"_s;
        QTest::newRow("not beaten, English") << 1 << 3
            << u"Good...\neven though you did not beat the record, you finished the puzzle in...\n3  minutes and 05  seconds"_s
            << 504 << QString() << u"&Close"_s;
        QTest::newRow("new record, Italian, Medium") << 0 << 4
            << u"Eccezionale...\nhai realizzato il miglior tempo in assoluto per la categoria: Gioco Medio. Hai completato il puzzle in...\n3  minuti e 05  secondi"_s
            << 503 << u"Scrivi il tuo nome per registrare il record >"_s << u"&Chiudi"_s;
        QTest::newRow("not beaten, German") << 3 << 3
            << u"Gut...\nauch wenn du den Rekord nicht brechen konntest, hast du das Puzzle gelöst in:\n"
               "3  Minuten und 05  Sekunden"_s << 504 << QString() << u"&Schließen"_s;
    }
    void eachEndShowsItsMessage()
    {
        QFETCH(int, language);
        QFETCH(int, end);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, prompt);
        QFETCH(QString, close);
        ResultDialog dialog(nullptr, result(end), texts::Language(language), Qt::gray, QSize(1024, 768));
        QCOMPARE(dialog.findChild<QLabel *>("message")->text(), message);
        QCOMPARE(dialog.iconShown(), icon);
        const QLabel *prompted = dialog.findChild<QLabel *>("namePrompt");
        QCOMPARE(dialog.findChild<QLineEdit *>("name")->isVisibleTo(&dialog), end == 4);
        QCOMPARE(prompted->isVisibleTo(&dialog) ? prompted->text() : QString(), prompt);
        QCOMPARE(dialog.findChild<QToolButton *>("close")->text(), close);
    }

    void nameIsKeptHoweverTheWindowCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("close button") << u"button"_s;
        QTest::newRow("close box") << u"close box"_s;
        QTest::newRow("Escape") << u"escape"_s;
        QTest::newRow("Return in the name box") << u"return"_s;
        QTest::newRow("Return on the focused Close button") << u"return on close"_s;
    }
    void nameIsKeptHoweverTheWindowCloses()
    {
        QFETCH(QString, way);
        ResultDialog dialog(nullptr, result(4), texts::Language::Italian, Qt::gray, QSize(1024, 768));
        int finished = 0;
        connect(&dialog, &QDialog::finished, [&] { ++finished; });
        dialog.open();
        auto *box = dialog.findChild<QLineEdit *>("name");
        auto *close = dialog.findChild<QToolButton *>("close");
        QTest::keyClicks(box, u"Massimiliano"_s);
        // The box takes ten characters at most.
        QCOMPARE(box->text(), u"Massimilia"_s);
        if (way == u"button") {
            QTest::mouseClick(close, Qt::LeftButton);
        } else if (way == u"close box") {
            dialog.windowHandle()->close();
        } else if (way == u"return on close") {
            close->setFocus();
            QTest::keyClick(close, Qt::Key_Return);
        } else {
            QTest::keyClick(box, way == u"return" ? Qt::Key_Return : Qt::Key_Escape);
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(finished, 1);
        QCOMPARE(dialog.typedName(), u"Massimilia"_s);
    }

    void returnPressesCloseInEveryEnd_data()
    {
        QTest::addColumn<int>("end");
        QTest::newRow("time over") << 1;
        QTest::newRow("stopwatch") << 2;
        QTest::newRow("not beaten") << 3;
    }
    void returnPressesCloseInEveryEnd()
    {
        QFETCH(int, end);
        ResultDialog dialog(nullptr, result(end), texts::Language::English, Qt::gray, QSize(1024, 768));
        dialog.open();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    void eachShowingStartsAfreshWithTheCursorInTheNameBox()
    {
        QStringList boxTexts;
        for (int showing = 0; showing < 2; ++showing) {
            ResultDialog dialog(nullptr, result(4), texts::Language::Italian, Qt::gray, QSize(1024, 768));
            dialog.open();
            // A desktop makes a new dialog the active window.
            QTRY_VERIFY_WITH_TIMEOUT(dialog.isActiveWindow(), 2000);
            auto *box = dialog.findChild<QLineEdit *>("name");
            boxTexts << box->text();
            // Typing goes straight into the box, without a click.
            QTest::keyClicks(QApplication::focusWidget(), u"Bo"_s);
            boxTexts << box->text();
            dialog.close();
            QCOMPARE(dialog.typedName(), u"Bo        "_s);
        }
        QCOMPARE(boxTexts, (QStringList{QString(), u"Bo"_s, QString(), u"Bo"_s}));
    }

    // The design's size while the texts fit it (they all do today: a longer
    // one would make the window taller, as tst_window_texts checks).
    void windowIsAFixedDialogCentredAndShiftedRightInTheMainWindowsColour_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("end");
        QTest::newRow("time over, Italian") << 0 << 1;
        QTest::newRow("record, German") << 3 << 4;
    }
    void windowIsAFixedDialogCentredAndShiftedRightInTheMainWindowsColour()
    {
        QFETCH(int, language);
        QFETCH(int, end);
        ResultDialog dialog(nullptr, result(end), texts::Language(language), QColor(0, 128, 64), QSize(1024, 768));
        const auto buttons = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(dialog.windowFlags() & (Qt::WindowType_Mask | buttons), Qt::Dialog | Qt::WindowCloseButtonHint);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.size(), QSize(380, 233));
        // (1024 - 380) / 2 + 3 across; (768 - 233) / 2 = 267.5 down, to the even 268.
        QCOMPARE(dialog.pos(), QPoint(325, 268));
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(0, 128, 64));
    }

    void theGameOpensTheWindowOverItselfInItsColour()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1'));
        QTest::mouseClick(w.button("colour"), Qt::LeftButton);
        w.startGame(2);
        w.tickAfter(180000);
        ResultDialog *dialog = w.resultDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), w.window);
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->palette().color(QPalette::Window), w.window->backgroundColour());
        QCOMPARE(dialog->findChild<QLabel *>("message")->text(), u"Game over!\nTry again."_s);
    }
};

QTEST_MAIN(tst_result_dialog)
#include "tst_result_dialog.moc"
