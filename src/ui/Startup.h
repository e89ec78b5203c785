#pragma once

#include "platform/Services.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

#include <cstdint>

class frmPuzzle;
class QWidget;

// Module NewPuzzle: start-up, sound, file and window helpers, and the
// program-wide variables shared by the windows.
namespace NewPuzzle {

// Program-wide variables.
inline std::int16_t ElapsedSeconds = 0; // whole seconds since Play
inline std::int16_t MessageKind = 0;    // which end-of-game message to show
inline QString RecordName;              // the name typed for a new record (10 characters)
inline std::int16_t Language = 0;       // string-id offset: 0, 100, 200, 300 or 400

// The bytes of the cue last started; they stay alive while it plays.
inline QByteArray SoundBuffer;

// The system services the game runs on; installed by Main (and by tests).
void InstallServices(platform::Services &services);
platform::Services &Services();

// The program's entry point: refuses a screen smaller than 800 x 600 pixels
// with a message, otherwise loads and shows the main window. Returns true
// when the program lives on (the main window is open).
bool Main(platform::Services &services);

// The main window Main loaded, while it exists.
frmPuzzle *MainForm();

// The exact ten-line message shown on a screen that is too small.
QString ScreenTooSmallMessage();

// True for a file that exists and can be opened for reading (never for a folder).
bool FileExists(const QString &path);

// The path of the file `name` in `folder`: the exact name when it exists,
// else the first name that matches ignoring case (a copy made on Windows may
// say "matrix.JPG"); empty when neither exists.
QString FindFileIgnoringCase(const QString &folder, const QString &name);

// The picture file for base path `base` (without extension): the bitmap
// before the JPEG before the GIF; empty when there is none.
QString FindPictureFile(const QString &base);

// Plays sound cue `id` asynchronously, cutting off a cue still playing, then
// lets pending events run.
void PlayCue(int id);

// Lets pending window events run (the forms' DoEvents).
void DoEvents();

// Gives a window the frame of a dialog: a title and a close box, no minimize
// or maximize box, and a size the player cannot change.
void SetDialogFrame(QWidget &form);

} // namespace NewPuzzle
