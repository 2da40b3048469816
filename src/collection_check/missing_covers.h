#pragma once
// Media with no front cover: the cover names the Identities give (their first seven characters,
// as the cover panel reads them), each with the runs of records that give it, looked up at the
// end among the files of the Covers folder. Pictures no record names are never listed: other
// collections share the folder.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

#include "collection_check/report.h"

namespace collection_check {

class MissingCovers {
public:
    // A record that is neither deleted nor unfinished: its Identity as stored.
    void add(std::int32_t opus, QByteArrayView identity);
    // One finding per cover name without its picture in `coversFolder`, by its first record; one
    // row in all when no name has its picture.
    std::vector<Finding> findings(const QString& coversFolder) const;

private:
    struct Run {
        std::uint64_t name;  // the Identity's first seven bytes
        std::int32_t first;
        std::int32_t length;
    };
    std::vector<Run> runs_;
};

}  // namespace collection_check
