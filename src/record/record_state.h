#pragma once
// What the main window shows of its record, without widgets: the six text boxes, the captions,
// the status text, the sort-state line, the media icon and the window's size. The view copies it
// into its controls and other subsystems read it; only the window's named operations change it.

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

namespace record {

// The six text boxes, in the order of the record's fields.
enum Box { txtEpo, txtOno, txtTitlos, txtAlloi, txtEkdot, txtSp };

// Window sizes in twips (1/1440 inch).
constexpr int kNarrowWidth = 11200;    // cover panel hidden
constexpr int kStartWidth = 11250;     // as the window opens
constexpr int kCoverWidth = 15000;     // cover panel shown
constexpr int kSmallHeight = 5500;     // pick-list panel hidden
constexpr int kExpandedHeight = 9200;  // pick-list panel shown

struct RecordState {
    std::array<QString, 6> boxes;  // the editing buffer, one text per field
    QString caption;
    QString status;                   // the status bar's message panel
    QString sortStateLine;            // Label18
    std::int32_t current = 1;         // the current Opus Number: the record shown
    std::int32_t N = 1;               // the record count
    std::int32_t searchPosition = 0;  // the record a running search looks at (ShowSRN)
    int widthTwips = kStartWidth;
    int heightTwips = kSmallHeight;
    // A command is going through many records (a search, a print, a count): the view repaints
    // now and then while it runs, so the progress shows.
    bool busy = false;
    QImage icon;  // Image1: the media icon
    bool iconBorder = false;
};

}  // namespace record
