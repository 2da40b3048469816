#pragma once
// What every test of a window's commands starts from: a collection in a temporary folder (also
// the current directory and $HOME, made by the test's load()) and the scripted platform. A test
// class derives from it, or from WindowTest or MultiTest, instead of QObject; QtTest runs its
// init() and cleanup() around every test function, and a class with more to do declares its own
// and calls these.

#include <QObject>
#include <memory>

#include "support/collection_dir.h"
#include "support/fakes.h"

namespace testing {

class FolderTest : public QObject {
    Q_OBJECT
protected slots:
    // Fresh fakes.
    void init();
    // Every scripted box must have been shown; then the folder goes (and the current directory
    // it set goes back).
    void cleanup();

protected:
    std::unique_ptr<CollectionDir> dir_;
    Fakes fakes_;
    ScriptedDialogs& dialogs_ = fakes_.dialogs;
};

}  // namespace testing
