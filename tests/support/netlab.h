#pragma once

#include <QString>
#include <QStringList>

// The tests' private network: the test process moves itself into
// network and mount namespaces of its own before anything else runs, so the
// program side never sees, and never sends to, the machine's real networks.
// Only 127.0.0.0/8 and the 10.77.x links the tests create exist in there.
namespace NetLab {

// Enters fresh network and mount namespaces and brings their loopback up.
// Must run first in main, while the process has a single thread.
bool isolate();
// True when isolate() succeeded; otherwise whyNotIsolated() says why.
bool isolated();
QString whyNotIsolated();

// Runs the ip tool with args in this process's namespaces; false (with its
// error output in *error) when it fails.
bool ip(const QStringList &args, QString *error = nullptr);
QString ipTool();

// A name unique to this run: stem, pid and a sequence number.
QString uniqueName(const QString &stem);
// Removes namespaces left over by runs of these tests that no longer exist.
void removeStaleNamespaces();

// Shows the file at path as /etc/hosts to this process (and its children)
// until restoreHostsFile(); the real /etc/hosts is never touched.
bool overrideHostsFile(const QString &path, QString *error = nullptr);
void restoreHostsFile();

} // namespace NetLab

// In a test function: skip where the private network could not be made,
// and fail with the lab's own error text.
#define REQUIRE_NETLAB()                                                                           \
    do {                                                                                           \
        if (!NetLab::isolated())                                                                   \
            QSKIP(qPrintable(NetLab::whyNotIsolated()));                                           \
    } while (false)

#define REQUIRE_PEER(peer) QVERIFY2((peer).isValid(), qPrintable((peer).error()))
#define CHECK_LAB(call, peer) QVERIFY2((call), qPrintable((peer).error()))

// Every test executable that needs the lab starts this way: isolated first, then the
// application object, then the test object.
#define NETLAB_TEST_MAIN(TestObject, AppClass)                                                     \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        NetLab::isolate();                                                                         \
        AppClass app(argc, argv);                                                                  \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
