#pragma once
// How a long step of the CSV commands shows how far it has come, and hears of Cancel: a progress
// box in the program, a script in the tests.

#include <QString>
#include <cstdint>

namespace csv {

class Progress {
public:
    virtual ~Progress() = default;
    // A step of `total` units begins; `text` says what it does.
    virtual void begin(const QString& text, std::int64_t total) = 0;
    // `done` units of it are done; false when the user asked to cancel.
    virtual bool advance(std::int64_t done) = 0;
    // The step is over (done, cancelled or failed).
    virtual void end() = 0;
};

}  // namespace csv
