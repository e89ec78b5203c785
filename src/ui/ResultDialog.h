#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class frmPuzzle;
class QEvent;
class QLabel;
class QLineEdit;
class QToolButton;

// The small modal window that ends every game: how it ended, the time in
// words, a matching icon and, for a new best time, the box for the player's
// name. The caller sets NewPuzzle::MessageKind first; the typed name comes
// back in NewPuzzle::RecordName when the window closes, however it closes.
class frmMessaggi : public QDialog
{
    Q_OBJECT

public:
    // Loads the window (Form_Load) for the main window `main`, whose colour
    // and level buttons it reads.
    explicit frmMessaggi(frmPuzzle &main);
    ~frmMessaggi() override;

    // --- Controls (positions of the design, in pixels) -----------------------
    QLabel *imgsmile = nullptr;
    std::array<QLabel *, 2> Label1{}; // the title: index 1 red over its black shadow, index 0
    QLabel *lblmessaggi = nullptr;
    QLabel *lblRecord = nullptr;
    QLineEdit *txtRecord = nullptr;
    QToolButton *cmdChiudi = nullptr;

    // The icon resource imgsmile shows; 0 for none.
    int smileIcon() const { return m_icon; }

    // --- Events and procedures -----------------------------------------------
    void Form_Load();
    void Form_Activate();
    void cmdChiudi_Click();
    void Form_Unload();
    void ComposeMessage();
    QString FormatGameTime();

    // Every way out (the button, the close box, Escape) ends here.
    void done(int result) override;

protected:
    bool event(QEvent *event) override;

private:
    void buildControls();

    frmPuzzle &m_main;
    int m_icon = 0;
    bool m_unloaded = false;
};

// Shows the message window for NewPuzzle::MessageKind modally over `main`
// and releases it when it closes, so the next showing starts afresh.
void ShowMessageForm(frmPuzzle &main);
