#pragma once

#include <QApplication>
#include <QObject>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

// Several QtTest classes in one executable: each .cpp registers its class with
// QL_REGISTER_TEST(Class); one .cpp of the folder says QL_TEST_MAIN().
namespace TestMain {

using Factory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<Factory> &Registry()
{
    static std::vector<Factory> factories;
    return factories;
}

struct Registrar
{
    explicit Registrar(Factory factory) { Registry().push_back(std::move(factory)); }
};

inline int Run(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (const Factory &make : Registry()) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

} // namespace TestMain

#define QL_REGISTER_TEST(Class)                                                                   \
    static const TestMain::Registrar Class##Registrar{[] { return std::make_unique<Class>(); }};

#define QL_TEST_MAIN()                                                                            \
    int main(int argc, char **argv) { return TestMain::Run(argc, argv); }
