// The library tests: the record texts and the library file, then the probe
// on videos generated with the ffmpeg command-line tool, then whole folders.

#include "tst_folders.h"
#include "tst_libraryfiles.h"
#include "tst_probe.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

int main(int argc, char **argv)
{
    // Every file the code writes lands under this folder, set before any
    // settings or path call.
    QTemporaryDir dataHome;
    if (!dataHome.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());

    QCoreApplication app(argc, argv);
    int failures = 0;
    {
        TestLibraryFiles files;
        failures += QTest::qExec(&files, argc, argv);
    }
    {
        TestProbe probe;
        failures += QTest::qExec(&probe, argc, argv);
    }
    {
        TestFolders folders;
        failures += QTest::qExec(&folders, argc, argv);
    }
    return failures;
}
