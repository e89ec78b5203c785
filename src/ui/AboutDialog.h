#pragma once

#include "game/Texts.h"

#include <QDialog>
#include <QString>

namespace platform {
class Shell;
}

namespace about {

// Who made the game and where to reach them, as the build sets them (the
// CMake cache variables of the same names). An empty address is no link.
struct Credits
{
    QString webAddress;       // opened by the logo
    QString mailAddresses[2]; // bare addresses, without "mailto:"
    QString years;            // first line of the authors' notice
    QString names;            // second line; empty: "the authors" in the game's language
};
Credits builtCredits();

// The authors' notice: the years and, on a line of its own, the names.
QString authorsNotice(const Credits &credits, texts::Language language);

// "Versione  1.0.0": the word in the game's language, two spaces, the version.
QString versionLine(texts::Language language);

} // namespace about

// The information window: what the game is and its version, how the puzzle
// was made and how to make one, the authors and their links, and the lines
// on platform, terms and screen. The logo and each mail link (shown only
// when the build gives their address) hand it to the desktop and close the
// window, whether or not anything could open the address.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(QWidget *parent, texts::Language language, const QColor &windowColour,
                platform::Shell &shell, const about::Credits &credits = about::builtCredits());

private:
    void openAndClose(const QString &address);

    platform::Shell &m_shell;
};
