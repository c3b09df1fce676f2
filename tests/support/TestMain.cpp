#include "tests/support/TestRegistry.h"

#include <QTest>

#if defined(FROSTDIL_TEST_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(FROSTDIL_TEST_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    TestApplication app(argc, argv);
    int failures = 0;
    for (const auto& makeTest : testsupport::registeredTests()) {
        const auto test = makeTest();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
