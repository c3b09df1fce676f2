#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Lets one test program hold several Qt Test classes: each registers itself, main runs them all.
namespace testsupport {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestFactory>& registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

template <typename Test>
struct Registration {
    Registration() { registeredTests().push_back([] { return std::make_unique<Test>(); }); }
};

} // namespace testsupport

#define FROSTDIL_REGISTER_TEST(TestClass) \
    static const testsupport::Registration<TestClass> registration##TestClass;
