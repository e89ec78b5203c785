#pragma once

// Helpers for the tests of the secondary windows: a main window loaded on
// fake services from a throw-away folder, and answering a modal window from
// inside its own event loop.

#include "main_window/frmPuzzle.h"
#include "startup/NewPuzzle.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// A main window of a copy of the game whose Matrix.dat starts with `digit`.
struct LoadedGame
{
    FakeServices fakes;
    TestFolder folder;
    QPointer<frmPuzzle> form;

    explicit LoadedGame(char digit = '0')
    {
        folder.writePicture(QStringLiteral("Matrix.jpg"), TestFolder::cellPicture());
        folder.write(QStringLiteral("Matrix.dat"), QByteArray(1, digit) + "Buon divertimento");
        fakes.folders.app = folder.appDir();
        fakes.folders.windows = folder.configDir();
        NewPuzzle::Main(fakes.services());
        form = NewPuzzle::MainForm();
    }
    ~LoadedGame() { delete form.data(); }
};

// Types `text` into `widget` key by key, as a keyboard does; letters beyond
// ASCII arrive as a key event carrying their text.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Runs `act` on the modal window of type T as soon as it is shown (from
// inside its exec()), and counts how often that happened in `answered`. With
// `whenActive`, waits first (up to two seconds) until the window system has
// made the window the active one, as a desktop does with a new dialog. A
// window left open by a failing check is closed after five seconds, so that
// a broken test fails instead of hanging.
template<typename T>
void answerModal(std::function<void(T *)> act, int *answered = nullptr, bool whenActive = false)
{
    QTimer::singleShot(0, [act, answered, whenActive] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window)
            return;
        QPointer<T> guard(window);
        QTimer::singleShot(5000, [guard] {
            if (guard && guard->isVisible())
                guard->close();
        });
        auto *poll = new QTimer(window);
        auto started = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, window, [=] {
            if (whenActive && !guard->isActiveWindow() && ++*started < 200)
                return;
            poll->stop();
            poll->deleteLater();
            if (answered)
                ++*answered;
            act(guard.data());
        });
        poll->start(whenActive ? 10 : 0);
    });
}
