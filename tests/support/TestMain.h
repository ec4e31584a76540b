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

} // namespace kvtest

#define KV_TEST_MAIN(TestClass) \
    int main(int argc, char **argv) \
    { \
        kvtest::prepareEnvironment(); \
        QApplication app(argc, argv); \
        kvtest::prepareApplication(); \
        TestClass test; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&test, argc, argv); \
    }
