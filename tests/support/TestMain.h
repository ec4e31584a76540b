#pragma once

#include <QApplication>
#include <QtTest>

namespace kvtest {

// Fixes what every test relies on before the application object exists: the offscreen
// platform, 96 dpi (15 twips to a pixel exactly) and test-mode standard paths, so that no
// test touches the user's own settings.
void prepareEnvironment();

// After the application object exists: C numeric locale (libmpv requires it) and the
// French-free, dot-decimal formatting the tests compare against.
void prepareApplication();

// The exit code CTest reports as a skip (SKIP_RETURN_CODE) for suites that need what this
// machine may lack: an X server, the shared sample folder.
constexpr int SkipExitCode = 77;

} // namespace kvtest

// For suites labelled "xserver": skipped, and said so by CTest, where no X display is set.
#define KV_TEST_MAIN_XSERVER(TestClass)                                                            \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {                                              \
            qInfo("no X display: run under xvfb-run, as scripts/test.sh does");                    \
            return kvtest::SkipExitCode;                                                           \
        }                                                                                          \
        kvtest::prepareEnvironment();                                                              \
        QApplication app(argc, argv);                                                              \
        kvtest::prepareApplication();                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define KV_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        kvtest::prepareEnvironment();                                                              \
        QApplication app(argc, argv);                                                              \
        kvtest::prepareApplication();                                                              \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
