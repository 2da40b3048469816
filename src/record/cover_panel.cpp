#include "record/cover_panel.h"

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

QString CoverPanel::identity() const {
    return window_.record().text(store::Field::Identity);
}

void CoverPanel::hide() {
    state_.label19 = coverLabel(identity());
    window_.state_.widthTwips = kNarrowWidth;
    state_.command10Caption = QStringLiteral("IMAGE");
    state_.coverImageMenuEnabled = false;
    state_.coverShown = 0;
}

bool CoverPanel::loadPanelCover() {
    const QString file = frontCoverFile(identity());
    QImage picture;
    switch (loadCover(identity(), file, &picture)) {
        case Load::Missing:
            window_.dialogs().show(common::kTitle,
                                   QStringLiteral("CD,DVD,LP or Tape Cover Image:\n") + file +
                                       QStringLiteral("\nwas not found."),
                                   Icon::Exclamation);
            hide();
            return false;
        case Load::Failed:
            return false;
        case Load::Done:
            break;
    }
    state_.cover = picture;
    if (isWide(state_.cover)) state_.coverHeight = kWideCoverPictureHeight;
    return true;
}

void CoverPanel::Command10() {
    state_.label19.clear();
    state_.coverHeight = kCoverPictureHeight;
    if (state_.coverShown == 1) {
        hide();
        window_.notify();
        return;
    }
    state_.coverImageMenuEnabled = true;
    window_.state_.widthTwips = kCoverWidth;
    state_.command10Caption = QStringLiteral("TEXT");
    window_.notify();
    if (loadPanelCover()) {
        state_.coverShown = 1;
        state_.label19 = coverLabel(identity());
    }
    window_.notify();
}

void CoverPanel::mnuCoverImage() {
    if (state_.coverShown != 1) return;
    state_.label19.clear();
    state_.cover = QImage();
    state_.coverHeight = kCoverPictureHeight;
    state_.coverImageMenuEnabled = true;
    window_.state_.widthTwips = kCoverWidth;
    state_.command10Caption = QStringLiteral("TEXT");
    window_.notify();
    if (loadPanelCover()) state_.label19 = coverLabel(identity());
    window_.notify();
}

void CoverPanel::openCoverWindow(CoverWindow& window, const QString& file,
                                 const QString& windowCaption, const QString& failure) {
    window.open = true;
    window.picture = QImage();
    window.caption = windowCaption;
    window_.notify();
    QImage picture;
    if (loadCover(identity(), file, &picture) != Load::Done) {
        window_.dialogs().show(common::kTitle, failure, Icon::Exclamation);
        window = CoverWindow();
        window_.notify();
        return;
    }
    window.picture = picture;
    window.wide = isWide(picture);
    window_.notify();
}

void CoverPanel::Image2_Click() {
    state_.label19 = coverLabel(identity());
    openCoverWindow(state_.frmCoverImage, frontCoverFile(identity()),
                    kCoverCaption + state_.label19, QStringLiteral("Image Loading Error"));
}

void CoverPanel::Label20_Click() {
    openCoverWindow(state_.frmBackImage, backCoverFile(identity()),
                    kCoverCaption + state_.label19 + QStringLiteral(" Back"),
                    QStringLiteral("Back Cover image does not exist"));
}

void CoverPanel::Label19_Click() {
    window_.services().clipboard.setImage(state_.cover);
    window_.dialogs().show(common::kTitle,
                           QStringLiteral("This Cover Image was copied to the Clipboard"),
                           Icon::Information);
}

void CoverPanel::copyPicture(CoverSide side) {
    const CoverWindow& window =
        side == CoverSide::Front ? state_.frmCoverImage : state_.frmBackImage;
    window_.services().clipboard.setImage(window.picture);
    window_.dialogs().show(common::kTitle,
                           QStringLiteral("This Cover Image was copied to the Clipboard"),
                           Icon::Information);
}

void CoverPanel::coversChanged() {
    const auto there = [this](const QString& file) {
        return isSafeCoverName(coverName(identity())) && QFileInfo::exists(file);
    };
    if (state_.coverShown == 1) {
        if (there(frontCoverFile(identity()))) {
            mnuCoverImage();
        } else {
            hide();
            window_.notify();
        }
    }
    if (state_.frmCoverImage.open) {
        if (there(frontCoverFile(identity()))) {
            Image2_Click();
        } else {
            closeCoverWindow(CoverSide::Front);
            window_.notify();
        }
    }
    if (state_.frmBackImage.open) {
        if (there(backCoverFile(identity()))) {
            Label20_Click();
        } else {
            closeCoverWindow(CoverSide::Back);
            window_.notify();
        }
    }
}

void CoverPanel::closeCoverWindow(CoverSide side) {
    (side == CoverSide::Front ? state_.frmCoverImage : state_.frmBackImage) = CoverWindow();
}

void CoverPanel::closeCoverWindows() {
    state_.frmCoverImage = CoverWindow();
    state_.frmBackImage = CoverWindow();
    window_.notify();
}

}  // namespace record
