#pragma once
// The main window loaded on the test's collection, with the scripted platform: what most tests of
// its commands start from (see FolderTest).

#include <QStringList>
#include <memory>
#include <vector>

#include "record/record_window.h"
#include "support/folder_test.h"

namespace testing {

class WindowTest : public FolderTest {
    Q_OBJECT
protected slots:
    // Fresh fakes and session.
    void init();
    // The window goes before the folder.
    void cleanup();

protected:
    // The collection, and the main window loaded on it (the load must succeed).
    void load(const std::vector<QStringList>& records);
    // "No0001 CD", "No0002 LP"... with Composer "Composer 1"...
    void load(int records) { load(numberedRecords(records)); }
    // The main window on the collection dir_ holds.
    void loadWindow();

    record::Session session_;
    std::unique_ptr<record::RecordWindow> w_;
};

}  // namespace testing
