#pragma once
// What most tests of the main window's commands start from: a collection in a temporary folder
// (also the current directory and $HOME), the scripted platform, and the main window loaded on
// it. A test class derives from it instead of QObject; QtTest runs its init() and cleanup()
// around every test function, and a class with more to do declares its own and calls these.

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"

namespace testing {

class WindowTest : public QObject {
    Q_OBJECT
protected slots:
    // Fresh fakes and session.
    void init();
    // Every scripted box must have been shown; then the window and the folder go.
    void cleanup();

protected:
    // The collection, and the main window loaded on it (the load must succeed).
    void load(const std::vector<QStringList>& records);
    // "No0001 CD", "No0002 LP"... with Composer "Composer 1"...
    void load(int records) { load(numberedRecords(records)); }
    // The main window on the collection dir_ holds.
    void loadWindow();

    std::unique_ptr<CollectionDir> dir_;
    Fakes fakes_;
    ScriptedDialogs& dialogs_ = fakes_.dialogs;
    record::Session session_;
    std::unique_ptr<record::RecordWindow> w_;
};

}  // namespace testing
