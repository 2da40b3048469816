#include "record/pick_lists.h"

#include "common/texts.h"
#include "platform/dialogs.h"
#include "record/record_window.h"
#include "store/collation.h"
#include "store/name_list.h"
#include "store/store_error.h"

namespace record {

PickPanel::PickPanel(RecordWindow& window) : window_(window) {
    for (size_t i = 0; i < kPickLists.size(); ++i)
        state_.pickTexts[i] = QString::fromLatin1(kPickLists[i].initialText);
}

void PickPanel::load() {
    for (size_t i = 0; i < store::kNameLists.size(); ++i) {
        QStringList names;
        store::LoadNameList(QString::fromLatin1(store::kNameLists[i].file), names);
        store::sortNames(names);
        state_.lists[i] = names;
    }
    ++state_.listsVersion;
}

void PickPanel::shrink() {
    state_.pickPanelShown = 0;
    window_.state_.heightTwips = kSmallHeight;
}

void PickPanel::Command5() {
    if (state_.pickPanelShown == 0) {
        window_.state_.heightTwips = kExpandedHeight;
        state_.command5Caption = QStringLiteral("SHR&INK");
        state_.pickPanelShown = 1;
    } else {
        window_.state_.heightTwips = kSmallHeight;
        state_.command5Caption = QStringLiteral("EX&PAND");
        state_.pickPanelShown = 0;
    }
    window_.notify();
}

void PickPanel::pickListChosen(int list, const QString& name) {
    const PickList& pick = kPickLists[list];
    RecordWindow::CommandName commandName(window_, QString::fromLatin1(pick.initialText));
    const QString& before = window_.state().boxes[pick.target];
    const bool empty = before.isEmpty();  // a box of blanks is not empty
    if (pick.rule != PickRule::SetIfEmpty || empty) {
        const bool append = pick.rule == PickRule::AlwaysAppend || !empty;
        if (!window_.SaveCR()) return;  // saves the edits of all six boxes
        store::OpusRecord chosen;
        for (store::Field f : store::kAllFields)
            chosen.setText(f, window_.state().boxes[static_cast<int>(f)]);
        const auto field = store::kAllFields[pick.target];
        // The name goes after the field as just saved, trimmed; the field's width cuts the result.
        chosen.setText(
            field,
            append ? window_.record().trimmed(field) + QLatin1String(pick.separator) + name : name);
        const std::int32_t current = window_.state().current;
        try {
            window_.writeRecord(current, chosen);
        } catch (const store::StoreError& e) {
            window_.reportFailure(QStringLiteral("could not be saved"), current, e.message());
            return;
        }
        window_.ShowCR();
    }
    state_.pickTexts[list].clear();
    window_.notify();
}

void PickPanel::addToPickList(int list) {
    RecordWindow::CommandName commandName(window_, QStringLiteral("Add"));
    const QString name = state_.pickTexts[list];  // a copy: the view may refresh the box meanwhile
    addToPickList(list, name);
}

void PickPanel::addToPickList(int list, const QString& name) {
    const store::NameListInfo& info = store::kNameLists[list];
    platform::Dialogs& dialogs = window_.dialogs();
    try {
        window_.appendName(QString::fromLatin1(info.file), name);
    } catch (const store::StoreError& e) {
        dialogs.show(common::kTitle, e.message(), platform::Icon::Exclamation);
        return;
    }
    store::insertName(state_.lists[list], name);
    ++state_.listsVersion;
    window_.notify();
    dialogs.show(common::kTitle,
                 QLatin1String(info.word) + name + QStringLiteral("> has been added to the list"),
                 platform::Icon::Information);
}

}  // namespace record
