#pragma once
// Which file a name stands for, and in what state: its length, device and inode, and the time of
// its last change. The change history compares them to tell the collection it describes from a
// file put in its place (a re-sort, a restored backup, a copy made by hand).

#include <QString>
#include <cstdint>

namespace store {

struct FileState {
    std::int64_t length = -1;  // -1: no such file
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0;  // the last change of its contents, in nanoseconds

    bool exists() const { return length >= 0; }
    bool sameFile(const FileState& other) const {
        return exists() && other.exists() && device == other.device && inode == other.inode;
    }
    friend bool operator==(const FileState&, const FileState&) = default;
};

FileState fileStateOf(const QString& path);
// The state of the file an open descriptor holds.
FileState fileStateOf(int descriptor);

}  // namespace store
