// The yardstick for start-up: a bare Qt window, shown maximized and painted
// once, then the process ends. Prints its peak resident memory.
#include <QApplication>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.showMaximized();
    QApplication::processEvents();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("maxrss_kb %ld\n", usage.ru_maxrss);
    return 0;
}
