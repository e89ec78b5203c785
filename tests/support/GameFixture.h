#pragma once

#include "main_window/frmPuzzle.h"
#include "startup/NewPuzzle.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

// One start of the game on fake services in a throw-away folder. The main
// window is deleted with the fixture.
class GameFixture
{
public:
    GameFixture()
    {
        fakes.folders.app = folder.appDir();
        fakes.folders.windows = folder.configDir();
    }
    ~GameFixture() { delete NewPuzzle::MainForm(); }
    GameFixture(const GameFixture &) = delete;
    GameFixture &operator=(const GameFixture &) = delete;

    // A picture and a Matrix.dat as a gift-maker leaves them.
    void givePicture(const QImage &image = TestFolder::cellPicture(), const QString &name = "Matrix.jpg")
    {
        folder.writePicture(name, image);
    }
    void giveSettings(const QByteArray &line) { folder.write("Matrix.dat", line); }

    // Runs the program's entry point; the main window, or null when the
    // program did not get that far.
    frmPuzzle *start()
    {
        lives = NewPuzzle::Main(fakes.services());
        return NewPuzzle::MainForm();
    }

    FakeServices fakes;
    TestFolder folder;
    bool lives = false;
};
