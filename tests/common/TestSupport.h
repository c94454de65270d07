#pragma once
// Shared by every test executable: a message handler that turns any warning
// from our own code into a failure, and the main() macros that install it.

#include <QTest>

namespace lumena::test {

// Installs the handler for messages outside test functions (construction,
// initTestCase). Known notices of the offscreen platform pass.
void installStrictMessageHandler();

// Call from every test class's init(): inside test functions a warning other
// than the offscreen platform's known notices fails the test.
void failOnUnexpectedWarnings();

// Folder of the source tree (for committed test data and samples).
QString sourceDir();

// A whole file written, or read ("<missing>" when it cannot be).
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

} // namespace lumena::test

#define LUMENA_TEST_GUILESS_MAIN(TestObject)                                                       \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        lumena::test::installStrictMessageHandler();                                               \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#define LUMENA_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        lumena::test::installStrictMessageHandler();                                               \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
