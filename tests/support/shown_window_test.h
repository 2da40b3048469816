#pragma once
// The main window's widgets on top of WindowTest: frmIstoriki on the loaded window, shown and
// active under the offscreen platform, for tests that press keys and click as a user does.

#include <memory>

#include "main_window/frm_istoriki.h"
#include "support/window_test.h"

namespace testing {

class ShownWindowTest : public WindowTest {
    Q_OBJECT
protected slots:
    // The widgets go before the window they show.
    void cleanup();

protected:
    // frmIstoriki on the window loaded (load() first), shown and given the keyboard.
    void showWindow();

    std::unique_ptr<main_window::FrmIstoriki> window_;
};

}  // namespace testing
