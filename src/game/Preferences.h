#pragma once

#include "game/Level.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

// Why a value could not be kept.
enum class SaveFailure {
    NoFolder,      // the user has no configuration folder (no HOME)
    FolderMissing, // the folder is gone
    NotAFile,      // a folder, pipe or device lies where the file belongs
    NoPermission,  // the folder or the file may not be written
    DiskFull,
    WriteFailed,   // anything else: the disk refused the write, the flush or the rename
};

// The file underneath the preferences: sections of keys, read and written one
// key at a time. The real one is the score file (platform::ScoreFile); the
// tests keep theirs in memory.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // Where the values are kept, for a message; empty when nowhere.
    virtual QString location() const = 0;
    virtual QString value(const QString &section, const QString &key, const QString &fallback) = 0;
    // Nothing when written; otherwise why not, and the store is as it was.
    virtual std::optional<SaveFailure> setValue(const QString &section, const QString &key,
                                                const QString &value) = 0;
};

// Where the game's window was at the end of the last game: its size and
// place when it is an ordinary window, and whether it was maximized or
// filling the screen.
struct WindowPlacement
{
    enum class Mode { Normal, Maximized, FullScreen };
    QRect normal; // the ordinary window's frame-less geometry
    Mode mode = Mode::Maximized;
    bool operator==(const WindowPlacement &) const = default;
};

// What the game keeps from one session to the next, and the one place that
// knows how the score file lays it out:
//
//   [Immagine]   0, 1, 2: the best time of each level (see BestTimes.h)
//   [BackColor]  Color: the background colour's index, 0-9
//   [Sound]      On: 1 on, 0 off
//   [Window]     Geometry: left,top,width,height of the ordinary window;
//                State: Normal, Maximized or FullScreen
//
// Every other line of the file stays as it is.
class Preferences : public QObject
{
    Q_OBJECT

public:
    // The score file of a configuration folder; empty when there is no folder.
    static QString scoreFileIn(const QString &configFolder);
    // The user's configuration folder: $XDG_CONFIG_HOME when it is an
    // absolute path, else ~/.config; empty when neither can be had.
    static QString configFolderFor(const QString &xdgConfigHome, const QString &home);

    explicit Preferences(std::unique_ptr<SettingsStore> store, QObject *parent = nullptr);
    ~Preferences() override;

    // Where the preferences are kept, for messages.
    QString location() const;

    // The stored best time of a level, as the score file holds it
    // ("0" for none).
    QString bestTime(Level level) const;
    std::optional<SaveFailure> saveBestTime(Level level, const QString &value);

    // The background colour's index, read once; 0 for anything unreadable.
    int colourIndex() const;
    void setColourIndex(int index);
    // The colour is written when the game ends normally, changed or not.
    std::optional<SaveFailure> saveColour();

    // Sound on or off, read once and written at every change.
    bool soundOn() const;
    void setSoundOn(bool on);

    // The window's placement as stored, read once; none when the section is
    // missing or was edited into something that is not a placement.
    std::optional<WindowPlacement> windowPlacement() const;
    // Writes each key of the placement only when its value differs from
    // what was stored.
    std::optional<SaveFailure> saveWindowPlacement(const WindowPlacement &placement);

signals:
    void colourChanged(int index);
    void soundChanged(bool on);

private:
    std::unique_ptr<SettingsStore> m_store;
    mutable std::optional<int> m_colour;
    mutable std::optional<bool> m_sound;
    // Empty until read; then the stored placement, or none.
    mutable std::optional<std::optional<WindowPlacement>> m_placement;
};
