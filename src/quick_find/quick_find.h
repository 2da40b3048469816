#pragma once
// The Quick Find window without its widgets: the typed text, the hits and the line that counts
// them, and the commands behind the box and the list. Every change of the text cancels the pass
// that is running and starts a new one on a worker thread; hits come back in Opus order by queued
// calls, and only ever for the text that is in the box now.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/background_pass.h"
#include "quick_find/hit_model.h"
#include "quick_find/quick_find_pass.h"

namespace record {
class RecordWindow;
}

namespace quick_find {

class QuickFind : public QObject {
    Q_OBJECT
public:
    explicit QuickFind(record::RecordWindow& window, QObject* parent = nullptr);
    ~QuickFind() override;

    // --- What the window shows -----------------------------------------------------------------
    const QString& text() const { return text_; }
    HitModel& hits() { return hits_; }
    // "12 records match", "Searching... 4,200 found so far", "The collection could not be read: "
    // and why; empty when the text is.
    const QString& countLine() const { return countLine_; }
    // False for an empty text or one of blanks only: no list, no line.
    bool listShown() const { return listShown_; }
    bool searching() const { return searching_; }

    // The view is told after every change.
    std::function<void()> changed;

    // --- Commands ------------------------------------------------------------------------------
    // The box's text changed: the list empties and a new pass starts (none for a blank text).
    void setText(const QString& text);
    // The same text again, read afresh: the window was shown again.
    void searchAgain();
    // The window closes: the running pass is cancelled and waited for, the read handles close.
    void stop();
    // Shows the hit's record in the main window as moving by F2 does: the record shown there is
    // saved first, and when that save fails the main window stays where it is. False then, or
    // when there is no such row.
    bool goToHit(int row);

private:
    void cancelPass();
    void reportFound(const std::vector<std::int32_t>& hits);
    void reportEnd(const PassResult& result);
    void notify();

    record::RecordWindow& window_;
    QString text_;
    HitModel hits_;
    QString countLine_;
    bool listShown_ = false;
    bool searching_ = false;
    // Every change of the text starts a pass anew; only the latest one's reports arrive.
    common::BackgroundPass pass_{this};
};

}  // namespace quick_find
