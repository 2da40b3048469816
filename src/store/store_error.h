#pragma once
// The failures of the store, each with a kind the commands can tell apart and a text for the user.

#include <QString>
#include <stdexcept>

namespace store {

class StoreError : public std::runtime_error {
public:
    enum class Kind {
        BadRecordNumber,  // an Opus Number below 1
        NotFound,         // a file that does not exist
        Unreadable,       // exists but cannot be opened or read (permissions, a directory...)
        Empty,            // a list file with no bytes
        WriteFailed,      // a write that did not reach the file (disk full, read-only...)
        TooLarge,         // a count that would pass the 32-bit Opus Numbers
    };

    StoreError(Kind kind, const QString& message)
        : std::runtime_error(message.toStdString()), kind_(kind), message_(message) {}

    Kind kind() const { return kind_; }
    const QString& message() const { return message_; }

private:
    Kind kind_;
    QString message_;
};

}  // namespace store
