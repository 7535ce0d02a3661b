#pragma once

#include <QTest>

#include <functional>
#include <vector>

// Lets several QtTest classes share one test executable: each test file
// registers its class with QL_TEST_CLASS, and QL_TEST_MAIN runs them all.
namespace QlTest {

using Runner = std::function<int(int, char **)>;

inline std::vector<Runner> &Runners()
{
    static std::vector<Runner> runners;
    return runners;
}

template <class TestClass>
struct Registration {
    Registration()
    {
        Runners().push_back([](int argc, char **argv) {
            TestClass test;
            return QTest::qExec(&test, argc, argv);
        });
    }
};

// Number of test classes that failed.
inline int RunAll(int argc, char **argv)
{
    int failed = 0;
    for (const Runner &run : Runners())
        failed += run(argc, argv) != 0 ? 1 : 0;
    return failed;
}

} // namespace QlTest

#define QL_TEST_CLASS(TestClass) \
    static const QlTest::Registration<TestClass> qlTestRegistration##TestClass;

// main() for an executable whose test classes need no widgets.
#define QL_TEST_GUILESS_MAIN                          \
    int main(int argc, char **argv)                   \
    {                                                 \
        QCoreApplication app(argc, argv);             \
        return QlTest::RunAll(argc, argv);            \
    }
