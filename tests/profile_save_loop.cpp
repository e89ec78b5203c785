// Saves one best time after another into a score file until it is killed,
// as a game killed during its save would be: tst_profile kills it at random
// moments and looks at what is left.
//
//   profile_save_loop FILE save   saves for ever, a new name each time
//   profile_save_loop FILE read   prints the stored value (a start of the game)

#include "platform/Profile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString file = args[1];
    if (args[2] == QLatin1String("read")) {
        const QString value = platform::getProfileString(QStringLiteral("Immagine"), QStringLiteral("1"),
                                                         QStringLiteral("0"), file);
        std::printf("%s\n", qPrintable(value));
        return 0;
    }
    std::printf("saving\n");
    std::fflush(stdout);
    for (int i = 0;; i = (i + 1) % 1000) {
        const QString value = QStringLiteral("Saver%1").arg(i, 3, 10, QLatin1Char('0')).leftJustified(10)
                              + QString::number(100 + i);
        if (!platform::writeProfileString(QStringLiteral("Immagine"), QStringLiteral("1"), value, file))
            return 1;
    }
}
