// The window as a desktop game: the pause and what causes it, the sound
// switch and its line in the score file, the placed count, the keys, and what
// a screen reader is told.

#include "game/Texts.h"
#include "support/GameFixture.h"
#include "ui/HelpDialog.h"
#include "ui/PauseCover.h"

#include <QAccessible>
#include <QSignalSpy>

using Id = texts::TextId;

class tst_desktop : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> w;

    // A countdown game on Easy, 3 s into it (04:57 on the clock).
    void startPlaying(char digit = '1')
    {
        QVERIFY(w->startCopy(digit));
        w->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->window));
        w->startGame(0);
        w->tickAfter(3000);
        QCOMPARE(w->clockText(), QStringLiteral("04:57"));
    }
    PauseCover *cover() const { return w->find<PauseCover>("pauseCover"); }
    QWidget *openDialog() const
    {
        for (QDialog *d : w->window->findChildren<QDialog *>())
            if (d->isVisible())
                return d;
        return nullptr;
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w->window,
                        Qt::Key(key), modifiers);
    }

private slots:
    void init() { w = std::make_unique<GameFixture>(); }
    void cleanup() { w.reset(); }

    void aPauseStopsTheClockAndCoversTheBoardAndPieces_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("P") << "P";
        QTest::newRow("Space") << "Space";
        QTest::newRow("Pause button") << "button";
    }

    void aPauseStopsTheClockAndCoversTheBoardAndPieces()
    {
        QFETCH(QString, how);
        startPlaying();
        const auto toggle = [&] {
            if (how == "button")
                QTest::mouseClick(w->button("pause"), Qt::LeftButton);
            else
                key(how == "P" ? Qt::Key_P : Qt::Key_Space);
        };
        toggle();
        QVERIFY(w->game().isPaused());
        QVERIFY(!w->ticks()->isActive());
        QVERIFY(cover()->isVisible());
        const QRegion covered = cover()->mask().translated(cover()->pos());
        const QRect board = w->window->board()->geometry();
        QVERIFY(covered.contains(board));
        for (int n : {1, 17, 36})
            QVERIFY(covered.contains(w->piece(n)->geometry().center()));
        // The clock and the commands stay in sight and at hand.
        QVERIFY(!covered.intersects(w->window->clockPanel()->geometry()));
        QVERIFY(!covered.intersects(w->button("pause")->geometry()));

        w->tickAfter(60000);
        QCOMPARE(w->clockText(), QStringLiteral("04:57"));
        // No piece is taken during a pause.
        w->placePiece(5);
        QCOMPARE(w->game().placedCount(), 0);

        toggle();
        QVERIFY(!cover()->isVisible());
        QVERIFY(w->ticks()->isActive());
        w->tickAfter(1000);
        QCOMPARE(w->clockText(), QStringLiteral("04:56"));
    }

    void aWindowOverTheGamePausesItUntilItCloses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("pausedBefore");
        QTest::newRow("About") << "about" << false;
        QTest::newRow("How to play") << "help" << false;
        QTest::newRow("About over the player's pause") << "about" << true;
    }

    void aWindowOverTheGamePausesItUntilItCloses()
    {
        QFETCH(QString, window);
        QFETCH(bool, pausedBefore);
        startPlaying();
        if (pausedBefore)
            key(Qt::Key_P);
        if (window == "about")
            QTest::mouseClick(w->button("about"), Qt::LeftButton);
        else
            key(Qt::Key_F1);
        QWidget *dialog = openDialog();
        QVERIFY(dialog);
        QVERIFY(w->game().isPaused());
        w->tickAfter(20000);
        QCOMPARE(w->clockText(), QStringLiteral("04:57"));
        // Esc closes it; the player's own pause outlasts it.
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!openDialog());
        QCOMPARE(w->game().isPaused(), pausedBefore);
    }

    void aMinimizedGameStaysPausedWhenShownAgain()
    {
        startPlaying();
        w->window->showMinimized();
        QVERIFY(w->game().isPaused());
        w->window->showNormal();
        QVERIFY(w->game().isPaused());
        key(Qt::Key_P);
        QVERIFY(!w->game().isPaused());
    }

    void escClosesTheEndOfGameWindow()
    {
        QVERIFY(w->startCopy('1'));
        w->startGame(0, true);
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            w->placePiece(n);
        w->fakes.clock.advance(Game::ShowingMilliseconds);
        QVERIFY(w->resultDialog());
        QTest::keyClick(w->resultDialog(), Qt::Key_Escape);
        QVERIFY(!w->resultDialog());
        QCOMPARE(w->game().state(), Game::State::Idle);
    }

    void theSoundSwitchIsKeptInItsOwnSection()
    {
        const QByteArray before = "; a player's note\n[BackColor]\nColor=3\n[Immagine]\n"
                                  "Facile=Anna       120\n";
        w->folder.writeScoreFile(before);
        startPlaying();
        QVERIFY(w->window->soundOn());
        key(Qt::Key_M);
        QVERIFY(!w->window->soundOn());
        QCOMPARE(w->folder.readScoreFile(), before + "[Sound]\nOn=0\n");
        w->fakes.sound.played.clear();
        w->placePiece(1);
        QCOMPARE(w->fakes.sound.played, QList<int>());

        // The next start remembers it; the button turns it back on.
        auto next = std::make_unique<GameFixture>();
        next->folder.writeScoreFile(w->folder.readScoreFile());
        w.reset();
        w = std::move(next);
        QVERIFY(w->startCopy('1'));
        QVERIFY(!w->window->soundOn());
        QTest::mouseClick(w->button("sound"), Qt::LeftButton);
        QVERIFY(w->window->soundOn());
        QCOMPARE(w->folder.readScoreFile(), before + "[Sound]\nOn=1\n");
    }

    void theClockPanelCountsThePlacedPieces()
    {
        startPlaying();
        auto *count = w->find<QLabel>("placedCount");
        QCOMPARE(count->text(), QStringLiteral("0 / 36"));
        QCOMPARE(w->piece(12)->accessibleName(), QStringLiteral("Piece 12, loose"));
        w->placePiece(12);
        w->placePiece(3);
        QCOMPARE(count->text(), QStringLiteral("2 / 36"));
        QCOMPARE(w->piece(12)->accessibleName(), QStringLiteral("Piece 12, in place"));
        QTest::mouseClick(w->button("giveUp"), Qt::LeftButton);
        QCOMPARE(w->piece(12)->accessibleName(), QStringLiteral("Piece 12, loose"));
    }

    void keysReachTheCommands()
    {
        startPlaying();
        const bool edge = w->button("edgeSwitch")->isChecked();
        // An access key presses its button the way a click does, a moment later.
        key(Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(w->button("edgeSwitch")->isChecked(), !edge);
        const int colour = w->window->colourIndex();
        key(Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(w->window->colourIndex(), (colour + 1) % 10);
        key(Qt::Key_F11);
        QVERIFY(w->window->isFullScreen());
        key(Qt::Key_F11);
        QVERIFY(!w->window->isFullScreen());
        key(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(w->game().state(), Game::State::Idle);
        key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(w->fakes.end.quits, 1);
        QVERIFY(!w->window->isVisible());
    }

    void everyControlAndPieceIsNamedInTheGamesLanguage_data()
    {
        QTest::addColumn<char>("digit");
        QTest::addColumn<QString>("pieceName");
        QTest::newRow("Italian") << '0' << "Pezzo 7, libero";
        QTest::newRow("English") << '1' << "Piece 7, loose";
        QTest::newRow("French") << '2' << "Pièce 7, libre";
        QTest::newRow("German") << '3' << "Teil 7, lose";
        QTest::newRow("Spanish") << '4' << "Pieza 7, suelta";
    }

    void everyControlAndPieceIsNamedInTheGamesLanguage()
    {
        QFETCH(char, digit);
        QFETCH(QString, pieceName);
        startPlaying(digit);
        QList<QWidget *> seen;
        for (QAbstractButton *b : w->window->findChildren<QAbstractButton *>())
            if (b->isVisible())
                seen << b;
        QCOMPARE(seen.size(), 8); // the column of five, pause, sound and <<
        seen << w->window->board();
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            seen << w->piece(n);
        for (QWidget *widget : seen) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(face);
            const QString name = face->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && name != "<<" && name != "?", qPrintable(widget->objectName()));
            QVERIFY2(!face->text(QAccessible::Description).isEmpty(), qPrintable(name));
        }
        QAccessibleInterface *piece = QAccessible::queryAccessibleInterface(w->piece(7));
        QCOMPARE(piece->text(QAccessible::Name), pieceName);
        QCOMPARE(piece->role(), QAccessible::Graphic);
        // The help window speaks the same language.
        key(Qt::Key_F1);
        QCOMPARE(openDialog()->windowTitle(),
                 texts::text(w->window->language(), Id::HowToPlay));
    }
};

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
