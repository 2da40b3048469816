#pragma once
// A pass that runs off the GUI thread (Quick Find's search, the Collection Check, the CSV preview's
// reading), one at a time for its owner: starting a pass cancels the one running, and what a pass
// reports reaches the owner's thread by queued calls, and only while it is the latest pass. A
// cancelled or superseded pass ends at its next look at the flag; its reports are dropped.

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

namespace common {

class BackgroundPass {
public:
    // What the work of one pass holds on the worker thread.
    class Run {
    public:
        // Whether the pass was cancelled or another one started: the work should end.
        bool cancelled() const { return cancelled_->load(std::memory_order_relaxed); }
        const std::atomic<bool>& cancelFlag() const { return *cancelled_; }
        // Runs `report` on the owner's thread, unless this pass is no longer the latest then.
        void deliver(std::function<void()> report) const;

    private:
        friend class BackgroundPass;
        QObject* receiver_ = nullptr;
        std::shared_ptr<std::atomic<std::uint64_t>> latest_;
        std::uint64_t number_ = 0;
        std::shared_ptr<std::atomic<bool>> cancelled_;
    };

    // Reports are delivered on the thread of `receiver`, which outlives this object.
    explicit BackgroundPass(QObject* receiver);
    // Cancels the pass running and waits for it.
    ~BackgroundPass();
    BackgroundPass(const BackgroundPass&) = delete;
    BackgroundPass& operator=(const BackgroundPass&) = delete;

    // Cancels the pass running, if any, and starts `work` on the worker thread. The passes run
    // one after another: a cancelled one has ended before the next one begins its work.
    void start(std::function<void(const Run&)> work);
    // Cancels the pass running: it ends soon, and nothing more of it is delivered.
    void cancel();
    // Waits until no pass runs.
    void wait();

private:
    QObject* receiver_;
    std::shared_ptr<std::atomic<std::uint64_t>> latest_ =
        std::make_shared<std::atomic<std::uint64_t>>(0);
    std::shared_ptr<std::atomic<bool>> cancelled_;
    QThreadPool worker_;
};

}  // namespace common
