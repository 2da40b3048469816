#include "common/background_pass.h"

namespace common {

void BackgroundPass::Run::deliver(std::function<void()> report) const {
    QMetaObject::invokeMethod(
        receiver_,
        [latest = latest_, number = number_, report = std::move(report)] {
            if (latest->load() == number) report();
        },
        Qt::QueuedConnection);
}

BackgroundPass::BackgroundPass(QObject* receiver) : receiver_(receiver) {
    worker_.setMaxThreadCount(1);
}

BackgroundPass::~BackgroundPass() {
    cancel();
    wait();
}

void BackgroundPass::cancel() {
    latest_->fetch_add(1);
    if (cancelled_) cancelled_->store(true);
    cancelled_.reset();
}

void BackgroundPass::start(std::function<void(const Run&)> work) {
    cancel();
    Run run;
    run.receiver_ = receiver_;
    run.latest_ = latest_;
    run.number_ = latest_->load();
    run.cancelled_ = cancelled_ = std::make_shared<std::atomic<bool>>(false);
    worker_.start([run, work = std::move(work)] { work(run); });
}

void BackgroundPass::wait() {
    worker_.waitForDone();
}

}  // namespace common
