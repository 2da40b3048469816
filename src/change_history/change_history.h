#pragma once
// The Change History window without its widgets: the changes of the collection, newest first,
// and the commands behind its buttons. A record is shown or restored only through the main window.

#include <QObject>
#include <QString>
#include <functional>

#include "change_history/history_model.h"

namespace record {
class RecordWindow;
}

namespace change_history {

inline const QString kHistoryTitle = QStringLiteral("Sonvella 4.0 - Change History");

class ChangeHistory : public QObject {
    Q_OBJECT
public:
    explicit ChangeHistory(record::RecordWindow& window, QObject* parent = nullptr);

    // --- What the window shows -------------------------------------------------------------
    HistoryModel& model() { return model_; }
    // "Change history is off: ..." when it is, else empty.
    QString offText() const;
    bool canShow(int row) const;
    bool canRestore(int row) const;

    std::function<void()> changed;

    // --- Commands ---------------------------------------------------------------------------
    // Reads the history anew (the window was shown, or a change was made).
    void refresh();
    // "Show": the record of the change, as moving by F2 does.
    bool show(int row);
    // "Restore This Version": the record as it was before the change, after a question, as a
    // change of its own.
    bool restore(int row);

private:
    record::RecordWindow& window_;
    HistoryModel model_;
};

}  // namespace change_history
