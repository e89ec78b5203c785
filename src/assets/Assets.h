#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

// The program's resources by id, carried in the Qt resource system under
// ":/res": the string table, raw data of type "SOUND" and "CUSTOM", icons,
// cursors with their hot spots, and bitmaps.
namespace resources {

// The string-table entry with this id; an empty text for an id that does not
// exist (every id the game asks for exists).
QString LoadResString(int id);

// True when the table holds this id.
bool HasResString(int id);

// The bytes of a data resource; raises platform::RuntimeError when there is
// no such resource.
QByteArray LoadResData(int id, const QString &type);

// An icon (32 x 32) or a bitmap by id; a null image when missing.
QImage LoadResIcon(int id);
QImage LoadResBitmap(int id);

// The program's own icon (icon 1) for its windows and the desktop, at 32 x 32
// and, for large views, 256 x 256.
QIcon ProgramIcon();

// A named picture of a window's design (logo, decorative images).
QImage LoadDesignPicture(const QString &name);

// A cursor by id with its hot spot.
QCursor LoadResCursor(int id);
QPoint CursorHotSpot(int id);

} // namespace resources
