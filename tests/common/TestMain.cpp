#include "tests/common/TestMain.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace testing_registry {
static std::map<std::string, Factory> &registry()
{
    static std::map<std::string, Factory> tests;
    return tests;
}

bool registerTest(const char *name, Factory factory)
{
    registry()[name] = std::move(factory);
    return true;
}
}

int main(int argc, char **argv)
{
    QApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    const auto &tests = testing_registry::registry();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <TestClass|all> [QtTest options]\n", argv[0]);
        for (const auto &entry : tests)
            std::fprintf(stderr, "  %s\n", entry.first.c_str());
        return 2;
    }
    const std::string wanted = argv[1];
    // QtTest sees the program name followed by the options after the class name.
    QStringList args{QString::fromLocal8Bit(argv[0])};
    for (int i = 2; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    int failures = 0;
    bool found = false;
    for (const auto &entry : tests) {
        if (wanted != "all" && wanted != entry.first)
            continue;
        found = true;
        std::unique_ptr<QObject> test(entry.second());
        failures += QTest::qExec(test.get(), args);
    }
    if (!found) {
        std::fprintf(stderr, "no test class named %s\n", wanted.c_str());
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
