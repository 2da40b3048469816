#pragma once
// The multi mode window loaded on the test's collection, with the scripted platform (see
// FolderTest).

#include <QStringList>
#include <memory>
#include <vector>

#include "multi/multi_window.h"
#include "support/folder_test.h"

namespace testing {

class MultiTest : public FolderTest {
    Q_OBJECT
protected slots:
    // The window goes before the folder.
    void cleanup();

protected:
    // The collection, and multi mode loaded on it (the load must succeed).
    void load(const std::vector<QStringList>& records);

    std::unique_ptr<multi::MultiWindow> w_;
};

}  // namespace testing
