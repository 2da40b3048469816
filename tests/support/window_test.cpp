#include "support/window_test.h"

#include <QTest>

namespace testing {

void WindowTest::init() {
    FolderTest::init();
    session_ = {};
}

void WindowTest::cleanup() {
    w_.reset();
    FolderTest::cleanup();
}

void WindowTest::load(const std::vector<QStringList>& records) {
    w_.reset();
    dir_.reset();
    dir_ = std::make_unique<CollectionDir>(records);
    loadWindow();
}

void WindowTest::loadWindow() {
    w_ = std::make_unique<record::RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
}

}  // namespace testing
