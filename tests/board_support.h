#pragma once

// Opens the real main window on fake services, with a picture of 36 cells of
// distinct colours beside the program, for the board and piece tests.

#include "main_window/frmPuzzle.h"
#include "startup/NewPuzzle.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QTest>

class BoardWindow
{
public:
    // `screen` is the screen size the game is told; the window is then given
    // the outer size `outer`.
    explicit BoardWindow(QSize screen = QSize(800, 600), QSize outer = QSize(800, 600))
    {
        fakes.screen.size = screen;
        fakes.folders.app = folder.appDir();
        fakes.folders.windows = folder.configDir();
        folder.writePicture(QStringLiteral("Matrix.bmp"), TestFolder::cellPicture());
        folder.write(QStringLiteral("Matrix.dat"), "1Good luck\r\n");
        NewPuzzle::Main(fakes.services());
        form = NewPuzzle::MainForm();
        if (form) {
            form->showNormal();
            resizeOuter(outer);
        }
    }

    ~BoardWindow() { delete form; }

    BoardWindow(const BoardWindow &) = delete;
    BoardWindow &operator=(const BoardWindow &) = delete;

    // Gives the window this outer size (frame included), the size its
    // layout is computed from.
    void resizeOuter(QSize outer)
    {
        const QSize frame = form->frameGeometry().size() - form->size();
        form->resize(outer - frame);
        QCoreApplication::processEvents();
    }

    FakeServices fakes;
    TestFolder folder;
    frmPuzzle *form = nullptr;
};
