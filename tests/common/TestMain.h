#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Registers a QtTest class with the area's test executable:
//   MOUSECFG_TEST(TestProfileFiles)
// The executable runs the class named by its first argument ("all" runs every class).
namespace testing_registry {
using Factory = std::function<QObject *()>;
bool registerTest(const char *name, Factory factory);
}

#define MOUSECFG_TEST(Class)                                                                   \
    static const bool Class##_registered =                                                     \
        testing_registry::registerTest(#Class, [] { return static_cast<QObject *>(new Class); });
