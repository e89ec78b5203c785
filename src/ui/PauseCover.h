#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

// What lies over the window while a game is paused: the board and every
// piece go out of sight, so that a pause cannot be used to study the picture.
// The clock and the commands stay uncovered and working.
class PauseCover : public QWidget
{
    Q_OBJECT

public:
    explicit PauseCover(QWidget *parent);

    // Covers the whole window except `uncovered`; the note sits on `board`.
    void cover(const QRect &board, const QList<QRect> &uncovered);
    void setNote(const QString &note);
    void setColour(const QColor &colour);
    // The note grows with the scene.
    void setScale(double factor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect m_board;
    QString m_note;
    QColor m_colour = QColor(128, 128, 128);
    double m_scale = 1.0;
};
