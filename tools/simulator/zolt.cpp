// The acquisition program: "measures" a freezing test on the dilatometer and leaves it as a ".cell" file.

#include "platform/Error.h"
#include "platform/QtTranslations.h"
#include "tools/simulator/ZoltRun.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zolt.exe"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FROSTDIL_VERSION));
    platform::installRussianQtTranslations(); // the help and the messages of the command line in Russian
    QTextStream out(stdout);
    QTextStream err(stderr);

    const simulator::ZoltArguments arguments = simulator::parseZoltArguments(QCoreApplication::arguments());
    if (arguments.helpWanted) {
        out << arguments.text;
        return 0;
    }
    if (arguments.versionWanted) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    if (!arguments.request) {
        err << arguments.text << "\nСправка: zolt.exe --help\n";
        return 2;
    }
    try {
        out << simulator::recordTest(*arguments.request, QDateTime::currentDateTime()) << '\n';
        return 0;
    } catch (const platform::Error& error) {
        err << error.message() << '\n';
        return 1;
    }
}
