#pragma once
// A progress box for the CSV commands' tests: it records what it was told, and answers Cancel at
// the step it is told to.

#include <QStringList>

#include "csv/progress.h"

namespace testing {

class ScriptedProgress : public csv::Progress {
public:
    int cancelAt = 0;  // the advance (from 1) that answers Cancel; 0: none does
    QStringList begun;
    int advances = 0;
    int ended = 0;

    void begin(const QString& text, std::int64_t) override { begun << text; }
    bool advance(std::int64_t) override { return ++advances != cancelAt; }
    void end() override { ++ended; }
};

}  // namespace testing
