#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class frmPuzzle;
class QLabel;
class QPushButton;
namespace platform {
class ClickLabel;
}

// The authors' web page, their two mail addresses and their notice, as set
// when the program was built.
namespace about {
QString WebAddress();
QString MailAddress(int index); // 0 or 1; the bare address, without "mailto:"
QString AuthorsNotice();        // years, CR LF, names
// "Versione  1.0.0": the word in the chosen language, two spaces, the version.
QString VersionLine(std::int16_t language);
} // namespace about

// The information window: title and version, how the puzzle was made, the
// authors' notice and links, and the lines on platform, terms and screen.
// The logo and each mail link hand their address to the desktop and close
// the window, whether or not anything could open the address.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Loads the window (Form_Load) for the main window `main`, whose colour
    // it takes.
    explicit frmAbout(frmPuzzle &main);
    ~frmAbout() override;

    // --- Controls (positions of the design, in pixels) -----------------------
    QLabel *Label1 = nullptr;
    QLabel *lblVersione = nullptr;
    QLabel *imgIcona = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *lblInfo = nullptr;
    std::array<QWidget *, 4> Line1{}; // two etched separators: grey 0 over light 1, grey 3 over light 2
    QLabel *lblCopyr = nullptr;
    platform::ClickLabel *imgLogo = nullptr;
    std::array<platform::ClickLabel *, 2> lblMail{};
    QLabel *lbl1 = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lbl3 = nullptr;
    QPushButton *cmdChiudi = nullptr;

    // --- Events ----------------------------------------------------------------
    void Form_Load();
    void imgLogo_Click();
    void lblMail_Click(std::int16_t Index);
    void cmdChiudi_Click();

private:
    void buildControls();

    frmPuzzle &m_main;
};

// Shows the information window modally over `main` and releases it when it
// closes, so the next opening loads it afresh.
void ShowAboutForm(frmPuzzle &main);
