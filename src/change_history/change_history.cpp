#include "change_history/change_history.h"

#include "record/record_window.h"

namespace change_history {

ChangeHistory::ChangeHistory(record::RecordWindow& window, QObject* parent)
    : QObject(parent), window_(window) {}

QString ChangeHistory::offText() const {
    const history::Journal& journal = window_.journal();
    return journal.isOn() ? QString()
                          : QStringLiteral("Change history is off: ") + journal.offReason();
}

void ChangeHistory::refresh() {
    model_.setChanges(window_.journal().changes());
    if (changed) changed();
}

bool ChangeHistory::canShow(int row) const {
    if (row < 0 || row >= model_.rowCount()) return false;
    const history::Entry& e = model_.change(row).entry;
    return e.listFile.isEmpty() && e.kind != history::Kind::Barrier && e.opus >= 1 &&
           e.opus <= window_.state().N;
}

bool ChangeHistory::canRestore(int row) const {
    if (row < 0 || row >= model_.rowCount()) return false;
    const history::Change& c = model_.change(row);
    return !c.barred && c.entry.kind == history::Kind::RecordWrite;
}

bool ChangeHistory::show(int row) {
    if (!canShow(row)) return false;
    return window_.goToRecord(model_.change(row).entry.opus, QStringLiteral("Change History..."));
}

bool ChangeHistory::restore(int row) {
    if (!canRestore(row)) return false;
    const bool restored = window_.restoreVersion(model_.change(row).entry.seq);
    if (restored) refresh();
    return restored;
}

}  // namespace change_history
