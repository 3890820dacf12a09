#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

// The item and list texts, the library file codec, the export and the ids
// of new videos, on real files in a temporary folder.
class TestLibraryFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void itemTextOfExampleRecord();
    void itemTextOfNullRecord();
    void plainNamesAreByteIdentical_data();
    void plainNamesAreByteIdentical();
    void oddNamesStillGiveValidJson_data();
    void oddNamesStillGiveValidJson();
    void listTextOfTwoVideos();
    void listTextOfEmptyLibrary();
    void invalidTextGivesEmptyObjectAndLog();
    void videoInfoFromJsonValues_data();
    void videoInfoFromJsonValues();
    void videoInfoFromEmptyObject();

    void recordOccupiesTextPlusFiveBytes_data();
    void recordOccupiesTextPlusFiveBytes();
    void threeRecordsReadBackInOrder();
    void missingFileIsNoLibrary();
    void emptyFileIsEmptyLibrary();
    void damagedTailCostsOnlyThatRecord_data();
    void damagedTailCostsOnlyThatRecord();
    void corruptLengthAtStart();
    void nullRecordInTheMiddle();
    void nonJsonRecordIsLeftOut();
    void appendCreatesThenAppends();
    void appendWhenFileCannotBeOpened();
    void rewriteRenumbers();
    void rewriteOfEmptyLibraryRemovesFile();
    void rewriteOnFullDiskKeepsOldFile();
    void jsonExport();
    void jsonExportFailureChangesNothing();

    void videoIdLayout_data();
    void videoIdLayout();
    void videoIdsUniqueInOneMillisecond();
    void videoIdSkipsTakenIds();

private:
    QString m_folder;
    QTemporaryDir *m_dir = nullptr;
};
