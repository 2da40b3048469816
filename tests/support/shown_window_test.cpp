#include "support/shown_window_test.h"

#include <QApplication>
#include <QTest>

namespace testing {

void ShownWindowTest::cleanup() {
    window_.reset();
    WindowTest::cleanup();
}

void ShownWindowTest::showWindow() {
    window_ = std::make_unique<main_window::FrmIstoriki>(*w_);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

}  // namespace testing
