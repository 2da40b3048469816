#include "multi/multi_window.h"

#include <QStringBuilder>

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "platform/shell.h"
#include "store/codepage.h"
#include "store/store_error.h"

namespace multi {

using common::numberText;
using store::Field;

MultiWindow::MultiWindow(platform::Services services)
    : caption(common::kCollectionCaption),
      services_(services),
      searchCaption_(QStringLiteral("Sonvella 4.0 - My Music Collection - Searching Opus #: "),
                     QStringLiteral("  of "), QString()) {}

void MultiWindow::notify() {
    if (changed) changed();
}

bool MultiWindow::Form_Load() {
    try {
        file_.open();
        N = file_.recordCount();
    } catch (const store::StoreError& e) {
        dialogs().show(common::kTitle, e.message(), platform::Icon::Critical);
        return false;
    }
    current = 1;
    platform::createProgramDirectories();
    printShownEnabled = false;
    saveShownEnabled = false;
    notify();
    return true;
}

void MultiWindow::ShowCR() {
    try {
        record_ = file_.read(current);
    } catch (const store::StoreError& e) {
        dialogs().show(common::kTitle, e.message(), platform::Icon::Exclamation);
        return;
    }
    const QString number = numberText(current);
    auto field = [this](Field f) { return record_.text(f); };
    drawing.push_back({2,
                       field(Field::Identity) % u"     " % field(Field::Composer) % u"     " %
                           field(Field::Title),
                       {}});
    drawing.push_back({2, field(Field::Orchestra), {}});
    drawing.push_back({2, field(Field::Soloists), {}});
    drawing.push_back({2, field(Field::Cover), QStringLiteral("Opus No =") + number});
    drawing.push_back({0, QString(250, QLatin1Char('_')), {}});

    // A page holds eight records; the searches never draw a ninth.
    if (rowCounter < kPageRows) ++rowCounter;
    auto bytes = [this](Field f) { return record_.field(f).toByteArray(); };
    ShownRow& row = ShownTable[rowCounter - 1];
    row.identityLine =
        bytes(Field::Identity) + QByteArray(35, ' ') + "Opus No =" + number.toLatin1();
    row.composerAndTitle = bytes(Field::Composer) + "  " + bytes(Field::Title);
    row.orchestra = bytes(Field::Orchestra);
    row.soloists = bytes(Field::Soloists);
    row.cover = bytes(Field::Cover);
    row.composer = bytes(Field::Composer);
    row.title = bytes(Field::Title);
    searchCaption_.forget();
    caption = u"Sonvella 4.0 - My Music Collection - Opus No: " % number % u"  of " % numberText(N);
    notify();
}

void MultiWindow::ShowSRN() {
    searchCaption_.write(caption, progress, N);
    notify();
}

void MultiWindow::showSearchProgress(std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
        common::countUpTo(progress, N);
        ShowSRN();
    }
}

void MultiWindow::showCA() {
    searchCaption_.forget();
    caption = common::kCollectionCaption;
    notify();
}

void MultiWindow::ClearArrays() {
    for (ShownRow& row : ShownTable) row = ShownRow();
    rowCounter = 0;
    notify();
}

void MultiWindow::clearDrawing() {
    drawing.clear();
    notify();
}

const QByteArray& ShownRow::slot(int n) const {
    static const std::array<QByteArray ShownRow::*, kSlots> kSlotMembers = {
        &ShownRow::identityLine, &ShownRow::composerAndTitle,
        &ShownRow::orchestra,    &ShownRow::soloists,
        &ShownRow::cover,        &ShownRow::composer,
        &ShownRow::title};
    return this->*kSlotMembers[n - 1];
}

QString MultiWindow::slotText(int row, int slot) const {
    return store::fromDisk(ShownTable[row - 1].slot(slot));
}

void MultiWindow::mnuTelos() {
    file_.close();
    services_.shell.unloadMultiMode();
    services_.shell.showSplash();
}

void MultiWindow::mnuExit() {
    file_.close();
    services_.shell.endProgram();
}

}  // namespace multi
