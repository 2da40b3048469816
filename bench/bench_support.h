#pragma once
// What the benchmarks share: a large collection written to disk, a clock, a baseline program run
// on the same file, and the peak memory of the process.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace bench {

// Writes `records` records to `path` in blocks (never holding the collection in memory). Every
// record looks like a real one; none holds the texts the benchmarks search for.
void writeCollection(const QString& path, std::int64_t records);

// Reads the file once so every run that follows finds it in the page cache.
void warmCache(const QString& path);

// Seconds a program takes on the same file; a negative value when it cannot run.
double timeProgram(const QString& program, const QStringList& arguments);

// The largest resident set of this process so far, in megabytes.
double peakMemoryMb();

// Seconds since some moment: the difference of two calls times what lies between.
double now();

}  // namespace bench
