// The pick-list panel: expanding the window, choosing a name into the shown record, and adding a
// typed name to a list and its file.

#include "record/pick_lists.h"

#include "common/texts.h"
#include "platform/dialogs.h"
#include "store/collation.h"
#include "store/name_list.h"
#include "store/store_error.h"

namespace record {

void RecordWindow::Command5() {
    if (pickPanelShown == 0) {
        heightTwips = kExpandedHeight;
        command5Caption = QStringLiteral("SHR&INK");
        pickPanelShown = 1;
    } else {
        heightTwips = kSmallHeight;
        command5Caption = QStringLiteral("EX&PAND");
        pickPanelShown = 0;
    }
    notify();
}

void RecordWindow::pickListChosen(int list, const QString& name) {
    const PickList& pick = kPickLists[list];
    const QString& before = boxes[pick.target];
    const bool empty = before.isEmpty();  // a box of blanks is not empty
    if (pick.rule != PickRule::SetIfEmpty || empty) {
        const bool append = pick.rule == PickRule::AlwaysAppend || !empty;
        if (!SaveCR()) return;  // saves the edits of all six boxes
        store::OpusRecord chosen;
        for (store::Field f : store::kAllFields) chosen.setText(f, boxes[static_cast<int>(f)]);
        const auto field = store::kAllFields[pick.target];
        // The name goes after the field as just saved, trimmed; the field's width cuts the result.
        chosen.setText(
            field, append ? record().trimmed(field) + QLatin1String(pick.separator) + name : name);
        try {
            file_.write(current, chosen);
        } catch (const store::StoreError& e) {
            reportFailure(QStringLiteral("could not be saved"), current, e.message());
            return;
        }
        ShowCR();
    }
    pickTexts[list].clear();
    notify();
}

void RecordWindow::addToPickList(int list) {
    const QString name = pickTexts[list];  // a copy: the view may refresh the box meanwhile
    addToPickList(list, name);
}

void RecordWindow::addToPickList(int list, const QString& name) {
    const store::NameListInfo& info = store::kNameLists[list];
    try {
        store::AppendNameToList(QString::fromLatin1(info.file), name);
    } catch (const store::StoreError& e) {
        dialogs_.show(common::kTitle, e.message(), platform::Icon::Exclamation);
        return;
    }
    store::insertName(lists[list], name);
    ++listsVersion;
    notify();
    dialogs_.show(common::kTitle,
                  QLatin1String(info.word) + name + QStringLiteral("> has been added to the list"),
                  platform::Icon::Information);
}

}  // namespace record
