#include "support/folder_test.h"

namespace testing {

void FolderTest::init() {
    fakes_.reset();
}

void FolderTest::cleanup() {
    dialogs_.verifyDone();  // fails the test itself; the rest must still be torn down
    dir_.reset();
}

}  // namespace testing
