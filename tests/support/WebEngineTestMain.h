#pragma once

#include <QApplication>
#include <QtTest>

/// QTEST_MAIN for test programs that open embedded browser windows, with the application
/// class of the program under test. Chromium's sandbox is unavailable to root and in many
/// containers; the tests load only local pages.
#define WEBENGINE_TEST_MAIN_WITH(TestClass, AppClass)                                        \
    int main(int argc, char** argv)                                                          \
    {                                                                                        \
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");                 \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                          \
        AppClass app(argc, argv);                                                            \
        TestClass test;                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                           \
        return QTest::qExec(&test, argc, argv);                                              \
    }

#define WEBENGINE_TEST_MAIN(TestClass) WEBENGINE_TEST_MAIN_WITH(TestClass, QApplication)
