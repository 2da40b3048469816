#pragma once
// How every printed page is built: the font, rule lines, number items, the date and time of the
// heads, and what the user is told when a job ends.

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

namespace platform {
class Dialogs;
class PrintJob;
}  // namespace platform

namespace print_conventions {

// Rule lines are wider than any sheet: they run across the whole printable width. `c` is '_' or
// '-', the two rules of the layouts.
QLatin1StringView rule(char c);
// A number printed as an item: its sign place (a blank), its digits and one blank after.
QString numberItem(std::int64_t n);
// The same written into `room`, for a print that writes one for every record.
using NumberItemRoom = std::array<char, 24>;
QLatin1StringView numberItem(std::int64_t n, NumberItemRoom& room);
// "7/12/2026, 14:05": day and month without leading zeros, 24-hour time, with the date and time
// separators of the locale ("7.12.2026, 14.05" in Finnish).
QString printedOn(const QDateTime& when);
// "courier", 9 points.
void setPrinterFont(platform::PrintJob& job);

// Ends the job. Tells the user when it became a PDF file (where it is) or could not be produced
// at all (why), and cancels a failed job so nothing of it stays behind. False when it failed.
bool endPrintJob(platform::PrintJob& job, platform::Dialogs& dialogs);

}  // namespace print_conventions
