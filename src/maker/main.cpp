// quadrifoglio-maker: makes a copy of the game to give away, with its own
// picture, language and greeting.
//
//   quadrifoglio-maker PICTURE --language it|en|fr|de|es --greeting TEXT --out FOLDER [--force]

#include "maker/Maker.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

int refuse(const QString &why, int status = 1)
{
    std::fprintf(stderr, "quadrifoglio-maker: %s\n", qPrintable(why));
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    // The arguments as given: Qt turns bytes that are not UTF-8 into
    // replacement characters, and a greeting must not change unseen.
    QList<QByteArray> rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QByteArray(argv[i]);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quadrifoglio-maker"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUADRIFOGLIO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a copy of Quadrifoglio 3D to give away: a folder with the game, your picture\n"
        "and a Matrix.dat with the language and the greeting shown above the board.\n"
        "A bitmap, JPEG or GIF picture is kept as it is; any other picture is converted to JPEG."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("picture"), QStringLiteral("The puzzle's picture."));
    const QCommandLineOption language(QStringList{QStringLiteral("l"), QStringLiteral("language")},
                                      QStringLiteral("Language of the game: it, en, fr, de or es."),
                                      QStringLiteral("code"));
    const QCommandLineOption greeting(QStringList{QStringLiteral("g"), QStringLiteral("greeting")},
                                      QStringLiteral("One line shown above the board (may be empty: the "
                                                     "game then shows its name)."),
                                      QStringLiteral("text"));
    const QCommandLineOption out(QStringList{QStringLiteral("o"), QStringLiteral("out")},
                                 QStringLiteral("The folder to make (new or empty)."), QStringLiteral("folder"));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Replace the puzzle in a folder that is not empty (only "
                                                  "the game, Matrix.* and Matrix.dat are touched)."));
    parser.addOptions({language, greeting, out, force});

    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText(), 2);
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList pictures = parser.positionalArguments();
    if (pictures.size() != 1)
        return refuse(pictures.isEmpty() ? QStringLiteral("no picture given (see --help)")
                                         : QStringLiteral("give exactly one picture (see --help)"),
                      2);
    if (!parser.isSet(language))
        return refuse(QStringLiteral("no language given: --language it, en, fr, de or es"), 2);
    if (!parser.isSet(out))
        return refuse(QStringLiteral("no output folder given: --out FOLDER"), 2);

    for (const QByteArray &value : maker::rawOptionValues(rawArguments, 'g', "greeting")) {
        if (const QString problem = maker::utf8Problem(value); !problem.isEmpty())
            return refuse(problem + QStringLiteral("; nothing was written"));
    }

    maker::Request request;
    request.picture = pictures.first();
    request.language = parser.value(language);
    request.greeting = parser.value(greeting);
    request.out = parser.value(out);
    request.force = parser.isSet(force);
    request.game = maker::findGameExecutable(QCoreApplication::applicationDirPath());
    if (request.game.isEmpty()) {
        return refuse(QStringLiteral("the game's executable was not found; looked for:\n  ")
                      + maker::gameExecutableCandidates(QCoreApplication::applicationDirPath())
                            .join(QLatin1String("\n  ")));
    }

    const maker::Result result = maker::makeCopy(request);
    if (!result.ok)
        return refuse(result.error + (result.touched ? QString() : QStringLiteral("; nothing was written")));
    std::printf("%s\n", qPrintable(maker::describeCopy(result, *maker::languageDigit(request.language))));
    return 0;
}
