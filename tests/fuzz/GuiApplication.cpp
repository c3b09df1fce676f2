#include "tests/fuzz/GuiApplication.h"

#include <QGuiApplication>
#include <cstdlib>

namespace fuzzsupport {

void startGuiApplication()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    // The fuzzer ends the process with exit(); the application must go before Qt's own globals do.
    std::atexit([] { delete QCoreApplication::instance(); });
}

} // namespace fuzzsupport
