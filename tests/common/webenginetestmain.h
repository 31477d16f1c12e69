#pragma once

#include <QApplication>
#include <QtTest>

// QTEST_MAIN for suites that create web views: the views share the application's graphics
// context, which must be requested before the application object exists.
#define KESTROVA_WEBENGINE_TEST_MAIN(TestObject)                                                  \
    int main(int argc, char *argv[])                                                          \
    {                                                                                         \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                           \
        QApplication app(argc, argv);                                                         \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                              \
        TestObject tc;                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                            \
        return QTest::qExec(&tc, argc, argv);                                                 \
    }
