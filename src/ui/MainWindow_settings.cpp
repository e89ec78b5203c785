// Matrix.dat, the language, the captions, the stored picture and the
// preferences kept in the score file.

#include "game/GiftSettings.h"
#include "ui/MainWindow.h"
#include "game/Puzzle.h"
#include "platform/Profile.h"
#include "assets/Assets.h"
#include "ui/Startup.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

void frmPuzzle::ReadSettings(const QString &AppDir)
{
    std::optional<QString> line;
    const QString path = NewPuzzle::FindFileIgnoringCase(AppDir, QStringLiteral("Matrix.dat"));
    if (!path.isEmpty()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.read(settings::MatrixDatReadLimit);
            line = settings::FirstLine(bytes, !file.atEnd());
        }
    }

    const settings::MessageLine message = settings::ParseSettingsLine(line);
    if (message.digit)
        SetLanguage(*message.digit);

    QFont font = lblMessaggio->font();
    switch (message.style) {
    case settings::MessageLine::Style::Greeting:
        font.setPointSizeF(10);
        font.setBold(false);
        font.setItalic(false);
        break;
    case settings::MessageLine::Style::ProductName:
        font.setPointSizeF(28);
        font.setBold(true);
        font.setItalic(true);
        break;
    case settings::MessageLine::Style::Designed:
        // Missing, empty or unreadable: the type of the design.
        font = QFont(QStringLiteral("Arial"), 28);
        break;
    }
    lblMessaggio->setFont(font);
    // The greeting is the gift-maker's own text: shown as it is, never as markup.
    lblMessaggio->setTextFormat(Qt::PlainText);
    lblMessaggio->setText(message.text);
}

void frmPuzzle::SetLanguage(std::int16_t digit)
{
    NewPuzzle::Language = settings::LanguageOffset(digit);
}

void frmPuzzle::SetCaptions()
{
    optLevel[0]->setText(sText(101));
    optLevel[1]->setText(sText(102));
    optLevel[2]->setText(sText(103));
    for (QRadioButton *option : optLevel)
        option->setToolTip(sText(108));
    cmdStart->setText(sText(104));
    cmdStart->setToolTip(sText(109));
    chkTimer->setText(sText(105));
    chkTimer->setToolTip(sText(110));
    cmdInfo->setText(sText(106));
    cmdInfo->setToolTip(sText(111));
    cmdEsci->setText(sText(107));
    cmdEsci->setToolTip(sText(112));
    cmdColor->setToolTip(sText(113));
    chk3D->setToolTip(sText(114));
    cmdBack->setToolTip(sText(115));
}

void frmPuzzle::ShowLoadingMessage()
{
    QString first, second;
    if (NewPuzzle::Language == 0) {
        first = QStringLiteral("Un attimo di pazienza...");
        second = QStringLiteral("...carico l'immagine.");
    } else {
        first = QStringLiteral("Wait, please.....");
        second = QStringLiteral("...loading image.");
    }

    platform::Surface &board = picPuzzle->surface();
    imgsfondo = resources::LoadResIcon(502);
    if (!imgsfondo.isNull())
        board.paintPicture(imgsfondo, QRect(132, 132, 96, 96), imgsfondo.rect());

    board.setForeColor(Qt::black);
    QFont font = picPuzzle->font();
    font.setPointSize(14);
    font.setItalic(false);
    board.setFont(font);
    board.print(first, 20, 40);
    board.print(second, 140, 280);
    picPuzzle->refresh();
    imgsfondo = QImage();
}

void frmPuzzle::FitPicture()
{
    const QImage source = picSorgente->picture();
    picPuzzle->surface().paintPicture(source, QRect(0, 0, geometry::BoardSize, geometry::BoardSize),
                                      source.rect());
    picSorgente->cls();
    picSorgente->setPicture(picPuzzle->image());
    picPuzzle->refresh();
}

void frmPuzzle::SetScoreFilePath()
{
    // The score file lives in the user's configuration folder; without one
    // the path stays empty and nothing is read or written.
    const QString dir = m_services.folders->windowsDir();
    ScoreFile = dir.isEmpty() ? QString() : dir + QLatin1String("/Quadrifoglio.sco");
}

void frmPuzzle::ReadBackColor()
{
    ColorIndex = 0;
    const QString value = platform::GetProfileString(QStringLiteral("BackColor"),
                                                     QStringLiteral("Color"),
                                                     QStringLiteral("0"), ScoreFile);
    ColorIndex = settings::ColorIndexFromProfile(value);
}

void frmPuzzle::ColorFromIndex(std::int16_t Index, QColor &Color)
{
    Color = settings::ColorFromIndex(Index);
}
