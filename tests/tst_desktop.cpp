// The window as a desktop game: the pause and what causes it, the sound
// switch and its line in the score file, the placed count, the keys, and what
// a screen reader is told.

#include "game/Texts.h"
#include "support/GameFixture.h"
#include "ui/HelpDialog.h"
#include "ui/PauseCover.h"

#include <QAccessible>
#include <QScreen>
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
    PauseCover *cover() const { return w->window->pauseCover(); }
    // What the window shows at a design point: the item on top there.
    QGraphicsItem *shownAt(QPointF design) const { return w->window->view()->itemAt(w->window->toWindow(design)); }
    QImage shownInWindow() const { return w->window->grab().toImage(); }
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
        const QRectF board = w->window->board()->sceneBoundingRect();
        for (QPointF at : {board.topLeft(), board.center(), board.bottomRight() - QPointF(1, 1)})
            QVERIFY(shownAt(at) == cover());
        for (int n : {1, 17, 36})
            QVERIFY(shownAt(w->piece(n)->sceneBoundingRect().center()) == cover());
        // The clock and the commands stay in sight and at hand.
        QVERIFY(shownAt(w->window->clockPanel()->graphicsProxyWidget()->sceneBoundingRect().center()) != cover());
        const QPushButton *pause = w->button("pause");
        QVERIFY(shownAt(pause->parentWidget()->graphicsProxyWidget()->mapToScene(QRectF(pause->geometry()).center()))
                != cover());

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

    // Whatever stops the play while a piece is held, the piece goes back to
    // where it was picked up, even when the button is let go outside the
    // window, and it can be placed afterwards.
    void aPieceHeldWhenThePlayStopsGoesBack_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("P") << "P";
        QTest::newRow("Space") << "Space";
        QTest::newRow("How to play (F1)") << "F1";
        QTest::newRow("minimized") << "minimized";
        QTest::newRow("the time runs out") << "time";
    }
    void aPieceHeldWhenThePlayStopsGoesBack()
    {
        QFETCH(QString, what);
        startPlaying();
        const int n = 5;
        const QPoint picked = w->piecePos(n);
        QWindow *handle = w->window->windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, {}, picked + w->grip(n));
        QTest::mouseMove(handle, picked + w->grip(n) + QPoint(150, 40));
        QCOMPARE(w->piecePos(n), picked + QPoint(150, 40));
        if (what == "P")
            key(Qt::Key_P);
        else if (what == "Space")
            key(Qt::Key_Space);
        else if (what == "F1")
            key(Qt::Key_F1);
        else if (what == "minimized")
            w->window->showMinimized();
        else
            w->tickAfter(300000);
        QCOMPARE(w->piecePos(n), picked);
        // Let go outside the window: nothing more happens to it.
        QTest::mouseMove(handle, QPoint(-40, -30));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-40, -30));
        QCOMPARE(w->piecePos(n), picked);
        QCOMPARE(w->game().placedCount(), 0);
        if (what == "time") {
            QVERIFY(w->resultDialog());
            return;
        }
        // The play goes on, and the piece still goes home.
        if (what == "F1")
            QTest::keyClick(openDialog(), Qt::Key_Escape);
        if (what == "minimized")
            w->window->showMaximized();
        if (w->game().isPaused())
            w->window->game().resume();
        w->placePiece(n);
        QCOMPARE(w->game().placedCount(), 1);
    }

    void spaceAfterAboutPausesRatherThanOpeningItAgain()
    {
        startPlaying();
        QTest::mouseClick(w->button("about"), Qt::LeftButton);
        QVERIFY(openDialog());
        QTest::keyClick(openDialog(), Qt::Key_Escape);
        QVERIFY(!openDialog());
        QVERIFY(!w->game().isPaused());
        key(Qt::Key_Space);
        QVERIFY(!openDialog());
        QVERIFY(w->game().isPaused());
    }

    void theEndOfGameWindowTakesTheKeyboardOverAbout_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("About") << "about";
        QTest::newRow("How to play") << "help";
    }
    void theEndOfGameWindowTakesTheKeyboardOverAbout()
    {
        QFETCH(QString, window);
        startPlaying();
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            w->placePiece(n);
        QCOMPARE(w->game().state(), Game::State::Finishing);
        if (window == "about")
            QTest::mouseClick(w->button("about"), Qt::LeftButton);
        else
            key(Qt::Key_F1);
        QVERIFY(openDialog());
        w->fakes.clock.advance(Game::ShowingMilliseconds);
        ResultDialog *result = w->resultDialog();
        QVERIFY(result);
        QCOMPARE(openDialog(), result);
        // A record: the name typed goes into the result's box.
        QTRY_VERIFY(QApplication::focusWidget() && result->isAncestorOf(QApplication::focusWidget()));
        TypeText(QApplication::focusWidget(), QStringLiteral("Anna"));
        QCOMPARE(result->findChild<QLineEdit *>("name")->text(), QStringLiteral("Anna"));
    }

    // The screen's size in device pixels is twice the desktop's on a
    // desktop scaled to 200 %: the window still opens on the screen, over
    // the game.
    void theEndOfGameWindowOpensOverTheGameOnAScaledDesktop()
    {
        QVERIFY(w->startCopy('1', QSize(1600, 1600), QSize(800, 600)));
        w->window->move(0, 100);
        w->startGame(0, true);
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            w->placePiece(n);
        w->fakes.clock.advance(Game::ShowingMilliseconds);
        ResultDialog *result = w->resultDialog();
        QVERIFY(result);
        QVERIFY(w->window->screen()->availableGeometry().contains(result->geometry()));
        const QPoint centre = w->window->frameGeometry().center();
        // Three pixels right of the middle, and a frame's width.
        QVERIFY(qAbs(result->geometry().center().x() - centre.x()) <= 6);
        QVERIFY(qAbs(result->geometry().center().y() - centre.y()) <= 3);
    }

    // On a large scene the small windows and the pause's note are as large
    // beside the board as on the classic one.
    void theSmallWindowsAndThePauseNoteGrowWithTheScene()
    {
        QVERIFY(w->startCopy('1', QSize(3840, 2160), QSize(1024, 768)));
        w->startGame(0);
        const auto noteArea = [this] {
            key(Qt::Key_P);
            const QImage shown = shownInWindow();
            key(Qt::Key_P);
            int grey = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    grey += shown.pixel(x, y) == qRgb(192, 192, 192);
            return grey;
        };
        const int classic = noteArea();
        QVERIFY(classic > 0);
        w->showAtSize(QSize(3840, 2160));
        QCOMPARE(w->window->sceneScale(), 3.5);
        QVERIFY(noteArea() > 9 * classic);
        // The pause icon fills its place in the larger button, drawn anew:
        // its bars are as dark and as sharp as at the classic scale.
        const auto darkInPause = [this] {
            const QPushButton *pause = w->button("pause");
            const QRect shown = w->window->toWindow(
                pause->parentWidget()->graphicsProxyWidget()->mapRectToScene(QRectF(pause->geometry())));
            const QImage button = shownInWindow().copy(shown);
            int dark = 0;
            for (int y = 0; y < button.height(); ++y)
                for (int x = 0; x < button.width(); ++x)
                    dark += qGray(button.pixel(x, y)) < 24;
            return dark;
        };
        const int large = darkInPause();
        w->showAtSize(QSize(1024, 768));
        const int small = darkInPause();
        QVERIFY2(small > 0 && large > 10 * small, qPrintable(QStringLiteral("%1, %2").arg(small).arg(large)));
        w->showAtSize(QSize(3840, 2160));

        const auto largeAs = [](const QWidget *shown, QSize classic) {
            return shown->width() >= 3 * classic.width() && shown->height() >= 3 * classic.height();
        };
        QTest::mouseClick(w->button("about"), Qt::LeftButton);
        AboutDialog about(nullptr, texts::Language::English, Qt::gray, w->fakes.shell);
        about.adjustSize();
        QVERIFY(openDialog());
        QVERIFY(largeAs(openDialog(), about.size()));
        QTest::keyClick(openDialog(), Qt::Key_Escape);
        key(Qt::Key_F1);
        HelpDialog help(nullptr, texts::Language::English);
        help.adjustSize();
        QVERIFY(openDialog());
        QVERIFY(largeAs(openDialog(), help.size()));
        QTest::keyClick(openDialog(), Qt::Key_Escape);
        w->tickAfter(300000);
        QVERIFY(w->resultDialog());
        QVERIFY(largeAs(w->resultDialog(), QSize(380, 233)));
        const auto *close = w->resultDialog()->findChild<QToolButton *>("close");
        QCOMPARE(close->icon().actualSize(close->iconSize()), QSize(112, 112));
    }

    void thePauseCoverTakesANewColour()
    {
        startPlaying();
        key(Qt::Key_P);
        QVERIFY(cover()->isVisible());
        QTest::mouseClick(w->button("colour"), Qt::LeftButton);
        QVERIFY(w->game().isPaused());
        QCOMPARE(QColor(shownInWindow().pixel(1, 1)), w->window->backgroundColour());
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
        QVERIFY(!w->button("sound")->isChecked());
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

    // The window's size, place and state are kept in a section of their
    // own, written only when they changed; the rest of the file stays.
    void theWindowIsKeptInItsOwnSection()
    {
        const QByteArray before = "; a player's note\n[BackColor]\nColor=3\n";
        w->folder.writeScoreFile(before);
        QVERIFY(w->startCopy('1'));
        QVERIFY(w->window->isMaximized());
        w->window->showNormal();
        w->window->setGeometry(QRect(2, 40, 800, 620));
        QCoreApplication::processEvents();
        w->window->close();
        const QByteArray kept = "; a player's note\n[BackColor]\nColor=3\n"
                                "[Window]\nGeometry=2,40,800,620\nState=Normal\n";
        QCOMPARE(w->folder.readScoreFile(), kept);

        // The next start comes back as it was left; left alone, the file stays.
        auto next = std::make_unique<GameFixture>();
        next->folder.writeScoreFile(kept);
        w.reset();
        w = std::move(next);
        QVERIFY(w->startCopy('1'));
        QVERIFY(!w->window->isMaximized());
        QCOMPARE(w->window->geometry(), QRect(2, 40, 800, 620));
        w->window->close();
        QCOMPARE(w->folder.readScoreFile(), kept);
    }

    void aKeptWindowComesBackInsideTheScreen_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("state");
        QTest::newRow("maximized") << QByteArray("Geometry=10,10,850,600\nState=Maximized\n") << "maximized";
        QTest::newRow("full screen") << QByteArray("Geometry=10,10,850,600\nState=FullScreen\n") << "full";
        QTest::newRow("beyond the screen") << QByteArray("Geometry=5000,-900,2400,1800\nState=Normal\n") << "normal";
        QTest::newRow("edited: not a size") << QByteArray("Geometry=wide\nState=Normal\n") << "maximized";
        QTest::newRow("edited: no state") << QByteArray("Geometry=1,2,900,700\nState=tall\n") << "maximized";
        QTest::newRow("edited: a size of nothing") << QByteArray("Geometry=0,0,0,-4\nState=Normal\n") << "maximized";
    }
    void aKeptWindowComesBackInsideTheScreen()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, state);
        w->folder.writeScoreFile("[Window]\n" + section);
        QVERIFY(w->startCopy('1'));
        QCOMPARE(w->window->isMaximized(), state == "maximized");
        QCOMPARE(w->window->isFullScreen(), state == "full");
        // The test's screen is 800 pixels wide: the window as wide, its
        // corner on the screen.
        const QRect screen = w->window->screen()->availableGeometry();
        if (state == "normal") {
            QVERIFY(screen.contains(w->window->geometry().topLeft()));
            QCOMPARE(w->window->width(), screen.width());
        }
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
        QList<QObject *> seen;
        for (QAbstractButton *b : w->findAll<QAbstractButton>())
            if (b->isVisible())
                seen << b;
        QCOMPARE(seen.size(), 8); // the column of five, pause, sound and <<
        seen << w->window->view();
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            seen << w->piece(n);
        for (QObject *object : seen) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
            QVERIFY(face);
            const QString name = face->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && name != "<<" && name != "?", qPrintable(object->objectName()));
            QVERIFY2(!face->text(QAccessible::Description).isEmpty(), qPrintable(name));
        }
        QAccessibleInterface *piece = QAccessible::queryAccessibleInterface(w->piece(7));
        QCOMPARE(piece->text(QAccessible::Name), pieceName);
        QCOMPARE(piece->role(), QAccessible::Graphic);
        // The pieces on show are the scene's parts.
        QAccessibleInterface *scene = QAccessible::queryAccessibleInterface(w->window->view());
        QCOMPARE(scene->childCount(), puzzle::PieceCount);
        QCOMPARE(scene->indexOfChild(piece), 6);
        QCOMPARE(piece->parent(), scene);
        // The help window speaks the same language.
        key(Qt::Key_F1);
        QCOMPARE(openDialog()->windowTitle(),
                 texts::text(w->window->language(), Id::HowToPlay));
    }
};

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
