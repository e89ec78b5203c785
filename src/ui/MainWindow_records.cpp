// The best time of each level: shown at Play, compared at the end of a game
// solved against the clock, and recorded under the name the player types.

#include "ui/MainWindow.h"
#include "platform/Numbers.h"
#include "platform/Profile.h"
#include "game/BestTimes.h"
#include "ui/ResultDialog.h"
#include "ui/Startup.h"

#include <QLabel>
#include <QPointer>

namespace {

QString readRecordValue(const QString &scoreFile, std::int16_t level)
{
    return platform::GetProfileString(records::Section(), records::LevelKey(level),
                                      records::NoRecord(), scoreFile);
}

} // namespace

void frmPuzzle::ShowBestTime()
{
    const records::BestTimeDisplay shown = records::BestTimeCaption(readRecordValue(ScoreFile, Level));
    if (shown.showLabel)
        lblWinner->setVisible(true);
    // The name is the player's own text: plain text, never markup.
    lblWinner->setTextFormat(Qt::PlainText);
    lblWinner->setText(records::ForDisplay(shown.caption));
}

void frmPuzzle::CheckBestTime()
{
    const QString stored = readRecordValue(ScoreFile, Level);
    if (records::BeatsRecord(stored, NewPuzzle::ElapsedSeconds)) {
        RegistraMigliorTempo();
        return;
    }
    NewPuzzle::MessageKind = 3;
    ShowMessageForm(*this);
}

void frmPuzzle::RegistraMigliorTempo()
{
    QPointer<frmPuzzle> self(this);
    NewPuzzle::MessageKind = 4;
    ShowMessageForm(*this);
    if (!self)
        return;

    const QString name = platform::Trim(NewPuzzle::RecordName);
    NewPuzzle::RecordName = records::NameField(name);
    if (name.isEmpty())
        return;

    const QString value = records::RecordValue(NewPuzzle::RecordName, NewPuzzle::ElapsedSeconds);
    if (!platform::WriteProfileString(records::Section(), records::LevelKey(Level), value, ScoreFile)) {
        // The player was promised a record: losing it silently is not an option.
        const records::WriteError error = records::ScoreFileWriteError(ScoreFile);
        m_services.messages->show(this,
                                  records::RegistraMigliorTempoErrorText(error.number,
                                                                         error.description),
                                  platform::MbCritical, QStringLiteral("Quadrifoglio"));
    }
}
