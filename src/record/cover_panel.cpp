// The cover panel at the right of the main window, the enlarged front and back cover windows, and
// copying a cover to the clipboard. Cover files are found by the record's cover name in the
// Covers folder of the program's directory.

#include <QFileInfo>

#include "common/texts.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "record/cover_names.h"
#include "record/picture_file.h"
#include "record/record_window.h"

namespace record {

using platform::Icon;

namespace {

const QString kCoverCaption = QStringLiteral("Sonvella 4.0 - My Music Collection - ");

enum class Load { Done, Missing, Failed };

// A cover name that could reach outside the Covers folder counts as missing: the file it names
// is never looked at.
Load loadCover(const QString& identity, const QString& file, QImage* picture) {
    if (!isSafeCoverName(coverName(identity)) || !QFileInfo::exists(file)) return Load::Missing;
    const QImage loaded = readPictureFile(file);
    if (loaded.isNull()) return Load::Failed;
    *picture = loaded;
    return Load::Done;
}

bool isWide(const QImage& picture) {
    return picture.width() > picture.height();
}

}  // namespace

void RecordWindow::hideCoverPanel() {
    label19 = coverLabel(record_.text(store::Field::Identity));
    widthTwips = kNarrowWidth;
    command10Caption = QStringLiteral("IMAGE");
    coverImageMenuEnabled = false;
    coverShown = 0;
}

bool RecordWindow::loadPanelCover() {
    const QString identity = record_.text(store::Field::Identity);
    const QString file = frontCoverFile(identity);
    QImage picture;
    switch (loadCover(identity, file, &picture)) {
        case Load::Missing:
            dialogs_.show(common::kTitle,
                          QStringLiteral("CD,DVD,LP or Tape Cover Image:\n") + file +
                              QStringLiteral("\nwas not found."),
                          Icon::Exclamation);
            hideCoverPanel();
            return false;
        case Load::Failed:
            return false;
        case Load::Done:
            break;
    }
    cover = picture;
    if (isWide(cover)) coverHeight = kWideCoverPictureHeight;
    return true;
}

void RecordWindow::Command10() {
    label19.clear();
    coverHeight = kCoverPictureHeight;
    if (coverShown == 1) {
        hideCoverPanel();
        notify();
        return;
    }
    coverImageMenuEnabled = true;
    widthTwips = kCoverWidth;
    command10Caption = QStringLiteral("TEXT");
    notify();
    if (loadPanelCover()) {
        coverShown = 1;
        label19 = coverLabel(record_.text(store::Field::Identity));
    }
    notify();
}

void RecordWindow::mnuCoverImage() {
    if (coverShown != 1) return;
    label19.clear();
    cover = QImage();
    coverHeight = kCoverPictureHeight;
    coverImageMenuEnabled = true;
    widthTwips = kCoverWidth;
    command10Caption = QStringLiteral("TEXT");
    notify();
    if (loadPanelCover()) label19 = coverLabel(record_.text(store::Field::Identity));
    notify();
}

void RecordWindow::openCoverWindow(CoverWindow& window, const QString& file,
                                   const QString& windowCaption, const QString& failure) {
    window.open = true;
    window.picture = QImage();
    window.caption = windowCaption;
    notify();
    const QString identity = record_.text(store::Field::Identity);
    QImage picture;
    if (loadCover(identity, file, &picture) != Load::Done) {
        dialogs_.show(common::kTitle, failure, Icon::Exclamation);
        window = CoverWindow();
        notify();
        return;
    }
    window.picture = picture;
    window.wide = isWide(picture);
    notify();
}

void RecordWindow::Image2_Click() {
    const QString identity = record_.text(store::Field::Identity);
    label19 = coverLabel(identity);
    openCoverWindow(frmCoverImage, frontCoverFile(identity), kCoverCaption + label19,
                    QStringLiteral("Image Loading Error"));
}

void RecordWindow::Label20_Click() {
    const QString identity = record_.text(store::Field::Identity);
    openCoverWindow(frmBackImage, backCoverFile(identity),
                    kCoverCaption + label19 + QStringLiteral(" Back"),
                    QStringLiteral("Back Cover image does not exist"));
}

void RecordWindow::Label19_Click() {
    services_.clipboard.setImage(cover);
    dialogs_.show(common::kTitle, QStringLiteral("This Cover Image was copied to the Clipboard"),
                  Icon::Information);
}

void RecordWindow::copyPicture(CoverWindow& window) {
    services_.clipboard.setImage(window.picture);
    dialogs_.show(common::kTitle, QStringLiteral("This Cover Image was copied to the Clipboard"),
                  Icon::Information);
}

void RecordWindow::closeCoverWindows() {
    frmCoverImage = CoverWindow();
    frmBackImage = CoverWindow();
    notify();
}

void RecordWindow::Picture_Click() {
    services_.shell.showSplash();
}

}  // namespace record
