#include "record/record_window.h"

#include <QStringBuilder>

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "platform/shell.h"
#include "record/media_icon.h"
#include "record/pick_lists.h"
#include "store/collation.h"
#include "store/name_list.h"
#include "store/store_error.h"

namespace record {

using common::numberText;
using platform::Icon;

namespace {

const QString kNotResorted =
    QStringLiteral("In this Session your Music Collection has not been Re-Sorted Yet");
const QString kResortedByIdentity =
    QStringLiteral("In this Session your Collection was last Re-Sorted by Identity");
const QString kResortedByComposer =
    QStringLiteral("In this Session your Collection was last Re-Sorted by Composer");

}  // namespace

RecordWindow::RecordWindow(Session& session, platform::Services services)
    : sortStateLine(kNotResorted),
      session_(session),
      services_(services),
      dialogs_(services.dialogs) {
    for (size_t i = 0; i < kPickLists.size(); ++i)
        pickTexts[i] = QString::fromLatin1(kPickLists[i].initialText);
}

void RecordWindow::notify() {
    if (changed) changed();
}

void RecordWindow::setStatus(const QString& text) {
    status = text;
    notify();
}

void RecordWindow::clearStatus() {
    setStatus(QString());
}

void RecordWindow::stepSearchPosition() {
    common::countUpTo(searchPosition, N);
}

bool RecordWindow::Form_Load() {
    try {
        if (!platform::createProgramDirectories()) {
            throw store::StoreError(store::StoreError::Kind::Unreadable,
                                    QStringLiteral("cannot create ") + platform::coversDirectory());
        }
        pickPanelShown = 0;
        heightTwips = kSmallHeight;
        widthTwips = kStartWidth;
        coverImageMenuEnabled = false;

        file_.open();
        N = file_.recordCount();
        current = 1;

        for (size_t i = 0; i < store::kNameLists.size(); ++i) {
            QStringList names;
            store::LoadNameList(QString::fromLatin1(store::kNameLists[i].file), names);
            store::sortNames(names);
            lists[i] = names;
        }
        ++listsVersion;

        showCurrentRecord();
    } catch (const store::StoreError& e) {
        if (e.kind() == store::StoreError::Kind::NotFound) {
            dialogs_.show(common::kTitle,
                          QStringLiteral("One or More Files are Missing. Sonvella Will End"),
                          Icon::Critical);
            file_.close();
        } else {
            dialogs_.show(
                common::kTitle,
                QStringLiteral("Internal Error. Replace Files with your Back Up or Re-Install."),
                Icon::Critical);
        }
        services_.shell.endProgram();
        return false;
    }

    switch (session_.sortState) {
        case 1:
            sortStateLine = kResortedByIdentity;
            break;
        case 2:
            sortStateLine = kResortedByComposer;
            break;
        default:
            break;  // the line keeps its first text
    }
    notify();
    return true;
}

void RecordWindow::setRecordCaption() {
    caption = QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No: ") +
              numberText(current) + QStringLiteral("  of ") + numberText(N);
}

void RecordWindow::ShowSRN() {
    // Runs once for every record a search looks at: one allocation for the whole caption.
    caption = u"Sonvella 4.0 - My Music Collection - Searching Opus No: " %
              numberText(searchPosition) % u"  of " % numberText(N);
    notify();
}

void RecordWindow::reportFailure(const QString& what, std::int32_t opusNumber,
                                 const QString& reason) {
    dialogs_.show(common::kTitle,
                  QStringLiteral("Opus Number ") + numberText(opusNumber) + QLatin1Char(' ') +
                      what + QStringLiteral(":\n") + reason,
                  Icon::Exclamation);
}

void RecordWindow::showCurrentRecord() {
    record_ = file_.read(current);
    record_.trimAll();
    for (store::Field f : store::kAllFields) {
        boxes[static_cast<int>(f)] = store::trimBlanks(record_.text(f));
    }
    setRecordCaption();
    showMediaIcon();
}

void RecordWindow::showMediaIcon() {
    const QString file = mediaIconFor(record_.field(store::Field::Identity));
    iconBorder = !file.isEmpty();
    if (file.isEmpty()) {
        icon = QImage();
        return;
    }
    // A missing or broken icon file keeps the icon shown before, without a word.
    QImage loaded;
    if (loaded.load(file)) icon = loaded;
}

bool RecordWindow::ShowCR() {
    try {
        showCurrentRecord();
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be shown"), current, e.message());
        return false;
    }
    notify();
    return true;
}

bool RecordWindow::showRecord(std::int32_t n) {
    const std::int32_t before = current;
    current = n;
    if (ShowCR()) return true;
    current = before;
    notify();
    return false;
}

void RecordWindow::askForNumberInRange() {
    dialogs_.show(common::kTitle,
                  QStringLiteral("Please type a number between 1 and ") + numberText(N),
                  Icon::Information);
}

bool RecordWindow::SaveCR() {
    store::OpusRecord edited;
    for (store::Field f : store::kAllFields) edited.setText(f, boxes[static_cast<int>(f)]);
    try {
        file_.write(current, edited);
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be saved"), current, e.message());
        return false;
    }
    record_ = edited;
    return true;
}

void RecordWindow::cmdExit() {
    if (!SaveCR()) return;  // keep running, so that what was typed is not lost
    file_.close();
    services_.shell.endProgram();
}

void RecordWindow::mnuEnd() {
    if (!SaveCR()) return;
    file_.close();
    closeCoverWindows();
    services_.shell.endProgram();
}

void RecordWindow::Form_Unload() {
    closeCoverWindows();
}

}  // namespace record
