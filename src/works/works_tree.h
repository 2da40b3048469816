#pragma once
// The works of a collection as the Works window shows them: the composers, under each its works
// by catalogue number in the catalogue's order, under each work its recordings. Kept as numbers
// (catalogue keys, Opus Numbers, counts); the texts of titles and fields are read back only for
// what is shown. Made once by a pass (works_pass.h) and only read after that, on any thread.

#include <QString>
#include <cstdint>
#include <vector>

#include "catalogue/catalogue_number.h"
#include "catalogue/composers.h"

namespace works {

struct Figures {
    std::int64_t works = 0;  // works with catalogue numbers
    std::int64_t recordedMoreThanOnce = 0;
    std::int64_t withoutNumber = 0;  // records, deleted ones not counted
};

// "412 works with catalogue numbers; 37 recorded more than once; 1,208 records without a
// catalogue number"
QString figuresLine(const Figures& figures);

struct WorksTree {
    struct Composer {
        catalogue::Composer known = catalogue::Composer::Unknown;  // a composer of the table
        // As shown: the table's name, or the Composer field as most often written.
        QString name;
        std::uint32_t firstWork = 0;
        std::uint32_t workCount = 0;
    };
    struct Work {
        catalogue::CatalogueNumber number;
        std::uint32_t composer = 0;
        std::uint32_t firstRecording = 0;
        std::uint32_t recordingCount = 0;
        std::int32_t titleOpus = 0;  // a record whose Title is the work's most common one
    };

    std::vector<Composer> composers;         // by surname
    std::vector<Work> works;                 // by composer, then in the catalogue's order
    std::vector<std::int32_t> recordings;    // Opus Numbers: by work, then in Opus order
    std::vector<std::uint32_t> inOpusOrder;  // places in `recordings`, in Opus order
    Figures figures;
};

// How composers are ordered: by surname (the last word before a comma, a generation such as
// "II" not counted) as Quick Find reads a Latin word, Greek in Latin letters; then by the whole
// name.
QByteArray composerSortKey(const QString& name);

// A text in the code page with the accents of its Latin letters dropped ("Béla Bartók" is
// "Bela Bartok"), as the names of the composers of the table are read.
QByteArray plainBytes(const QString& text);

}  // namespace works
