#include "startup/NewPuzzle.h"

#include "main_window/frmPuzzle.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "resources/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace NewPuzzle {

namespace {
platform::Services *g_services = nullptr;
QPointer<frmPuzzle> g_mainForm;
} // namespace

void InstallServices(platform::Services &services)
{
    g_services = &services;
}

platform::Services &Services()
{
    Q_ASSERT(g_services);
    return *g_services;
}

frmPuzzle *MainForm()
{
    return g_mainForm.data();
}

QString ScreenTooSmallMessage()
{
    const QStringList lines = {
        QStringLiteral("Per visualizzare correttamente il gioco"),
        QStringLiteral("occorre impostare una risoluzione video"),
        QStringLiteral("non inferiore a 800x600."),
        QStringLiteral("Modificare la risoluzione video e, quindi, riprovare."),
        QString(),
        QStringLiteral("Best visual results if used with 800x600 pixel monitor."),
        QStringLiteral("Modify your video settings and try again."),
        QString(),
        QStringLiteral("Visualization optimal avec video 800x6000 pixel."),
        QStringLiteral("Modifier la résolution vidéo et réessayer"),
    };
    return lines.join(QLatin1String("\r\n"));
}

bool Main(platform::Services &services)
{
    InstallServices(services);

    // The screen in pixels, each side rounded into 16 bits; both must reach
    // 800 x 600.
    const QSize screen = services.screen->sizePixels();
    // A screen too large for 16 bits is certainly large enough.
    const int width = platform::tryCInt(screen.width()).value_or(32767);
    const int height = platform::tryCInt(screen.height()).value_or(32767);
    if (width >= 800 && height >= 600) {
        // The window lives until the program ends (main() deletes it after
        // the event loop): closing it hides it, and code still running in a
        // handler that yielded finds it intact.
        auto *form = new frmPuzzle(services);
        g_mainForm = form;
        form->Form_Load();
        return !form->hasEnded();
    }

    services.messages->show(nullptr, ScreenTooSmallMessage(), platform::MbCritical,
                            QStringLiteral("Quadrifoglio"));
    return false;
}

bool FileExists(const QString &path)
{
    return platform::IsRegularReadableFile(path);
}

QString FindFileIgnoringCase(const QString &folder, const QString &name)
{
    const QString exact = QDir(folder).filePath(name);
    if (FileExists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && FileExists(dir.filePath(entry)))
            return dir.filePath(entry);
    }
    return {};
}

QString FindPictureFile(const QString &base)
{
    const QFileInfo info(base);
    const QString folder = info.path();
    const QString stem = info.fileName();
    for (const char *ext : {".bmp", ".jpg", ".gif"}) {
        const QString found = FindFileIgnoringCase(folder, stem + QLatin1String(ext));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void PlayCue(int id)
{
    try {
        SoundBuffer = resources::LoadResData(id, QStringLiteral("SOUND"));
    } catch (const platform::RuntimeError &) {
        SoundBuffer.clear();
    }
    if (g_services && g_services->sound && !SoundBuffer.isEmpty())
        g_services->sound->play(id, SoundBuffer);
    DoEvents();
}

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace NewPuzzle
