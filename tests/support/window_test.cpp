#include "support/window_test.h"

#include <QTest>

namespace testing {

void WindowTest::init() {
    fakes_.reset();
    session_ = {};
}

void WindowTest::cleanup() {
    dialogs_.verifyDone();  // fails the test itself; the rest must still be torn down
    w_.reset();
    dir_.reset();  // the current directory it set goes back
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
