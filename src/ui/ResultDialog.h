#pragma once

#include "game/Game.h"
#include "game/Texts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QToolButton;

// The small window that ends every game: how it ended, the time in words, a
// matching icon and, for a new best time, the box for the player's name.
class ResultDialog : public QDialog
{
    Q_OBJECT

public:
    ResultDialog(QWidget *parent, const Game::Result &result, texts::Language language,
                 const QColor &windowColour, QSize screen);

    // What the player typed, as the ten-character name field; read when the
    // window has closed, however it closed.
    QString typedName() const;

    // The icon shown (an assets::Icon id); 0 for none.
    int iconShown() const { return m_icon; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void compose(const Game::Result &result, texts::Language language);

    QLabel *m_iconLabel = nullptr;
    QLabel *m_message = nullptr;
    QLabel *m_namePrompt = nullptr;
    QLineEdit *m_name = nullptr;
    QToolButton *m_close = nullptr;
    int m_icon = 0;
};
