#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// A throw-away copy of the game's folder and configuration folder for one
// test: pictures, Matrix.dat and score files written as a gift-maker or a
// player's machine would have them.
class TestFolder
{
public:
    TestFolder();

    QString appDir() const { return m_app.path(); }
    QString configDir() const { return m_config.path(); }
    QString scoreFile() const { return m_config.path() + QLatin1String("/Quadrifoglio.sco"); }

    // Writes a file beside the program.
    QString write(const QString &name, const QByteArray &bytes) const;
    // Writes a picture in the format its extension says.
    QString writePicture(const QString &name, const QImage &image) const;
    // A picture whose 36 cells of 60 x 60 (at 360 x 360) each have a colour of
    // their own, scaled to `size`.
    static QImage cellPicture(QSize size = QSize(360, 360));
    static QColor cellColor(int row, int column);
    // A bitmap whose header claims 40000 x 40000 pixels: too big to allocate.
    static QByteArray hugeBitmap();

    void writeScoreFile(const QByteArray &bytes) const;
    QByteArray readScoreFile() const;
    bool scoreFileExists() const;

private:
    QTemporaryDir m_app;
    QTemporaryDir m_config;
};
