#pragma once

#include "game/Texts.h"

#include <QDialog>

namespace platform {
class Shell;
}
class QPushButton;

// The authors' web page, their two mail addresses and their notice, as set
// when the game was built.
namespace about {
QString webAddress();
QString mailAddress(int index); // 0 or 1; the bare address, without "mailto:"
QString authorsNotice();        // years, CR LF, names
// "Versione  1.0.0": the word in the game's language, two spaces, the version.
QString versionLine(texts::Language language);
} // namespace about

// The information window: title and version, how the puzzle was made, the
// authors' notice and links, and the lines on platform, terms and screen.
// The logo and each mail link hand their address to the desktop and close
// the window, whether or not anything could open the address.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(QWidget *parent, texts::Language language, const QColor &windowColour,
                platform::Shell &shell);

private:
    void openAndClose(const QString &address);

    platform::Shell &m_shell;
};
