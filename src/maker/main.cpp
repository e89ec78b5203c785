// quadrifoglio-maker: makes a copy of the game to give away, with its own
// picture, language and greeting. Without arguments it opens its window.
//
//   quadrifoglio-maker PICTURE [--language it|en|fr|de|es] [--greeting TEXT]
//       [--fit crop|stretch] [--crop X,Y,SIDE] (--out FOLDER | --single-file FILE)
//       [--game-only] [--force]

#include "assets/Assets.h"
#include "maker/Maker.h"
#include "maker/MakerWindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <QElapsedTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

int refuse(const QString &why, int status = 1)
{
    std::fprintf(stderr, "quadrifoglio-maker: %s\n", qPrintable(why));
    return status;
}

// Set by Ctrl+C or a polite kill: the copy stops and removes what it wrote.
volatile std::sig_atomic_t stopAsked = 0;

void askToStop(int)
{
    stopAsked = 1;
}

// The copy's progress on a terminal, one line rewritten in place, with an
// estimate of the time left once there is something to go by.
class TerminalProgress
{
public:
    TerminalProgress()
        : m_shown(::isatty(STDERR_FILENO) == 1)
    {
        m_clock.start();
    }
    ~TerminalProgress() { finish(); }

    void show(int percent, const QString &step)
    {
        if (!m_shown || (percent == m_percent && step == m_step))
            return;
        m_percent = percent;
        m_step = step;
        // The steps are worded in the window's translations.
        QString line = QStringLiteral("%1: %2%").arg(QCoreApplication::translate("MakerWindow", qPrintable(step))).arg(percent);
        const qint64 elapsed = m_clock.elapsed();
        if (percent >= 5 && percent < 100 && elapsed > 2000)
            line += QCoreApplication::translate("MakerCommandLine", ", about %1 s left").arg((elapsed * (100 - percent) / percent + 999) / 1000);
        std::fprintf(stderr, "\r%-70s", qPrintable(line));
        std::fflush(stderr);
        m_started = true;
    }
    void finish()
    {
        if (m_started)
            std::fprintf(stderr, "\n");
        m_started = false;
    }

private:
    bool m_shown;
    bool m_started = false;
    int m_percent = -1;
    QString m_step;
    QElapsedTimer m_clock;
};

} // namespace

int main(int argc, char *argv[])
{
    // The arguments as given: Qt turns bytes that are not UTF-8 into
    // replacement characters, and a greeting must not change unseen.
    QList<QByteArray> rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QByteArray(argv[i]);
    QCoreApplication::setApplicationName(QStringLiteral("quadrifoglio-maker"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUADRIFOGLIO_VERSION));

    if (argc <= 1) {
        QApplication app(argc, argv);
        assets::useGameFont();
        MakerWindow::loadTranslation();
        const QString runtime = maker::findRuntime(QCoreApplication::applicationDirPath());
        if (runtime.isEmpty()) {
            refuse(QCoreApplication::translate("MakerCommandLine", "the game's portable runtime was not found; looked in:\n  ")
                   + maker::runtimeCandidates(QCoreApplication::applicationDirPath()).join(QLatin1String("\n  ")));
        }
        // Without a runtime the window still opens and says so when Make is pressed.
        MakerWindow window(runtime);
        window.show();
        return app.exec();
    }

    // The greeting is laid out in the game's fonts, which needs a GUI
    // application but no screen: measured at the standard 96 dpi of the
    // offscreen platform unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    assets::useGameFont();
    MakerWindow::loadTranslation();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("MakerCommandLine",
        "Makes a copy of Quadrifoglio 3D to give away: a folder with the game and the libraries it\n"
        "needs, your picture and a Matrix.dat with the language and the greeting shown above the\n"
        "board, which starts on a Linux desktop without Qt; or the same as one file that unpacks\n"
        "and starts the game. A non-square picture is cropped to its middle square unless told\n"
        "otherwise; the picture becomes a JPEG of at most 1260 pixels a side, the largest board the\n"
        "game draws (a square bitmap, JPEG or GIF of at most 2 MiB is kept as it is).\n"
        "Without arguments, the maker opens its window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QCoreApplication::translate("MakerCommandLine", "picture"),
                                 QCoreApplication::translate("MakerCommandLine", "The puzzle's picture, in any format Qt reads, of at most 200 "
                                                "megapixels."),
                                 QCoreApplication::translate("MakerCommandLine", "picture (--out <folder> | --single-file <file>)"));
    const QCommandLineOption language(QStringList{QStringLiteral("l"), QStringLiteral("language")},
                                      QCoreApplication::translate("MakerCommandLine", "Language of the game: it, en, fr, de or es (default: the "
                                                     "desktop's, else en)."),
                                      QCoreApplication::translate("MakerCommandLine", "code"));
    const QCommandLineOption greeting(QStringList{QStringLiteral("g"), QStringLiteral("greeting")},
                                      QCoreApplication::translate("MakerCommandLine", "One line shown above the board (may be empty: the "
                                                     "game then shows its name)."),
                                      QCoreApplication::translate("MakerCommandLine", "text"));
    const QCommandLineOption fit(QStringLiteral("fit"),
                                 QCoreApplication::translate("MakerCommandLine", "How a non-square picture becomes the square board: crop (its "
                                                "middle square, the default) or stretch (the whole picture, "
                                                "squashed)."),
                                 QStringLiteral("crop|stretch"));
    const QCommandLineOption crop(QStringLiteral("crop"),
                                  QCoreApplication::translate("MakerCommandLine", "The square to take, in the picture's pixels: its left, top "
                                                 "and side."),
                                  QStringLiteral("X,Y,SIDE"));
    const QCommandLineOption out(QStringList{QStringLiteral("o"), QStringLiteral("out")},
                                 QCoreApplication::translate("MakerCommandLine", "The folder to make (new or empty)."), QCoreApplication::translate("MakerCommandLine", "folder"));
    const QCommandLineOption singleFile(QStringLiteral("single-file"),
                                        QCoreApplication::translate("MakerCommandLine", "Make one file instead of a folder, which unpacks and "
                                                       "starts the game (sh FILE)."),
                                        QCoreApplication::translate("MakerCommandLine", "file"));
    const QCommandLineOption gameOnly(QStringLiteral("game-only"),
                                      QCoreApplication::translate("MakerCommandLine", "Copy the game alone, without its libraries: for a friend "
                                                     "who has Qt 6 installed."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QCoreApplication::translate("MakerCommandLine", "Replace a copy the maker made before, folder or file. "
                                                  "A folder holding anything the maker did not write, or a "
                                                  "link, is refused, and nothing is written."));
    parser.addOptions({language, greeting, fit, crop, out, singleFile, gameOnly, force});

    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText(), 2);
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList pictures = parser.positionalArguments();
    if (pictures.size() != 1)
        return refuse(pictures.isEmpty() ? QCoreApplication::translate("MakerCommandLine", "no picture given (see --help)")
                                         : QCoreApplication::translate("MakerCommandLine", "give exactly one picture (see --help)"),
                      2);
    if (parser.isSet(out) == parser.isSet(singleFile))
        return refuse(QCoreApplication::translate("MakerCommandLine", "give where to make the copy: --out FOLDER or --single-file FILE"), 2);
    if (parser.isSet(singleFile) && parser.isSet(gameOnly))
        return refuse(QCoreApplication::translate("MakerCommandLine", "--single-file packs the whole copy; it cannot be --game-only"), 2);
    maker::PictureChoice picturing;
    if (parser.isSet(fit)) {
        const QString how = parser.value(fit).toLower();
        if (how != QLatin1String("crop") && how != QLatin1String("stretch"))
            return refuse(QCoreApplication::translate("MakerCommandLine", "unknown --fit \"%1\": use crop or stretch").arg(parser.value(fit)), 2);
        picturing.fit = how == QLatin1String("stretch") ? maker::Fit::Stretch : maker::Fit::Crop;
    }
    if (parser.isSet(crop)) {
        picturing.crop = maker::parseCrop(parser.value(crop));
        if (!picturing.crop)
            return refuse(QCoreApplication::translate("MakerCommandLine", "--crop takes X,Y,SIDE: three whole numbers, the side at least 1"), 2);
    }

    for (const QByteArray &value : maker::rawOptionValues(rawArguments, 'g', "greeting")) {
        if (const QString problem = maker::utf8Problem(value); !problem.isEmpty())
            return refuse(problem + QCoreApplication::translate("MakerCommandLine", "; nothing was written"));
    }

    maker::Request request;
    request.picture = pictures.first();
    request.language = parser.isSet(language) ? parser.value(language) : maker::defaultLanguageCode();
    request.greeting = parser.value(greeting);
    request.out = parser.isSet(out) ? parser.value(out) : parser.value(singleFile);
    request.singleFile = parser.isSet(singleFile);
    request.force = parser.isSet(force);
    request.picturing = picturing;
    const QString here = QCoreApplication::applicationDirPath();
    if (parser.isSet(gameOnly)) {
        request.game = maker::findGameExecutable(here);
        if (request.game.isEmpty()) {
            return refuse(QCoreApplication::translate("MakerCommandLine", "the game's executable was not found; looked for:\n  ")
                          + maker::gameExecutableCandidates(here).join(QLatin1String("\n  ")));
        }
    } else {
        request.runtime = maker::findRuntime(here);
        if (request.runtime.isEmpty()) {
            return refuse(QCoreApplication::translate("MakerCommandLine", "the game's portable runtime was not found; looked in:\n  ")
                          + maker::runtimeCandidates(here).join(QLatin1String("\n  ")));
        }
    }

    std::signal(SIGINT, askToStop);
    std::signal(SIGTERM, askToStop);
    std::signal(SIGHUP, askToStop);
    TerminalProgress progress;
    const maker::Result result = maker::makeCopy(
        request, [&progress](int percent, const QString &step) { progress.show(percent, step); },
        [] { return stopAsked == 0; });
    progress.finish();
    if (result.cancelled)
        return refuse(QCoreApplication::translate("MakerCommandLine", "stopped; nothing was written"), 130);
    if (!result.ok)
        return refuse(result.error + (result.touched ? QString() : QCoreApplication::translate("MakerCommandLine", "; nothing was written")));
    std::printf("%s\n", qPrintable(maker::describeCopy(result, *maker::languageDigit(request.language))));
    if (!result.warning.isEmpty())
        std::fprintf(stderr, "quadrifoglio-maker: %s\n",
                     qPrintable(QCoreApplication::translate("MakerCommandLine", "warning: %1").arg(result.warning)));
    return 0;
}
