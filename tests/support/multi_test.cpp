#include "support/multi_test.h"

#include <QTest>

namespace testing {

void MultiTest::cleanup() {
    w_.reset();
    FolderTest::cleanup();
}

void MultiTest::load(const std::vector<QStringList>& records) {
    w_.reset();
    dir_.reset();
    dir_ = std::make_unique<CollectionDir>(records);
    w_ = std::make_unique<multi::MultiWindow>(fakes_.services());
    QVERIFY(w_->Form_Load());
}

}  // namespace testing
