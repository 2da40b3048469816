#pragma once
// What the benchmarks share: a large collection written to disk, a clock, the floor pass and
// baseline programs run on the same file, and the peak memory of the process.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace bench {

// Writes `records` records to `path` in blocks (never holding the collection in memory). Every
// record looks like a real one, four records a medium that share its Identity, composer,
// performers and label; none holds the texts the benchmarks search for.
void writeCollection(const QString& path, std::int64_t records);

// Reads the file once so every run that follows finds it in the page cache.
void warmCache(const QString& path);

// The floor of any one pass over a collection file: the file read from its start in blocks of
// about 1 MB (whole records) and one field of every record looked at, `records` records at most
// (all of them when negative). Returns how many records it counted (those whose Composer starts
// with an S), so that the look cannot be left out.
std::int64_t floorPass(const QString& path, std::int64_t records = -1);

// Seconds a program takes on the same file; a negative value when it cannot run.
double timeProgram(const QString& program, const QStringList& arguments);

// Seconds a program takes on the same file with its output going into a file.
double timeProgramInto(const QString& program, const QStringList& arguments, const QString& output);

// Seconds a plain reformatting of the collection takes: every record read in large blocks and
// written out as a line of its own, in large blocks; twice, into two files, as an export does.
double timePlainReformat(const QString& collection, const QString& output);

// Writes the eight list files a window needs to load.
void writeListFiles();

// Makes `folder` the current folder and HOME of this process and writes the list files there:
// where a window loads from and writes its result files.
void enterFolder(const QString& folder);

// The count of records (or rows) given as the first argument, `fallback` without one.
std::int64_t countArgument(int argc, char* argv[], std::int64_t fallback);

// The largest resident set of this process so far, in megabytes.
double peakMemoryMb();

// Seconds since some moment: the difference of two calls times what lies between.
double now();
// Processor seconds this process has used (user and system): unlike the wall clock, untouched by
// other machines sharing the processor.
double cpuSeconds();

// The wall clock and the processor time of one run.
struct Timing {
    double seconds = 0;
    double cpu = 0;
};
Timing timed(const std::function<void()>& run);
// The best of `runs` runs, each clock on its own: the figures of a quiet moment of the machine,
// which is shared with others.
Timing bestOf(int runs, const std::function<void()>& run);

// The best and the median of `runs` measurements, each in seconds as `once` returns it.
struct BestAndMedian {
    double best = 0;
    double median = 0;
};
BestAndMedian bestAndMedian(int runs, const std::function<double()>& once);

}  // namespace bench
