#include "csv/row_stream.h"

#include <algorithm>

#include "common/regular_file.h"
#include "csv/text_encoding.h"

namespace csv {

namespace {

constexpr qsizetype kPieceBytes = 64 * 1024;

void openForReading(QFile& file) {
    QString reason;
    if (!common::openRegularFile(file, QIODevice::ReadOnly, &reason))
        throw CsvFileError(CsvFileError::Kind::Unreadable, reason);
}

void checkText(QByteArrayView bytes) {
    if (bytes.contains('\0')) {
        throw CsvFileError(CsvFileError::Kind::Binary,
                           QStringLiteral("It holds NUL bytes, as only binary files do."));
    }
}

QByteArrayView withoutMark(QByteArrayView bytes) {
    return bytes.startsWith(QByteArrayView(kUtf8Mark)) ? bytes.sliced(3) : bytes;
}

}  // namespace

FileStart readFileStart(const QString& path) {
    QFile file(path);
    openForReading(file);
    FileStart start;
    start.size = file.size();
    start.bytes = file.read(FileStart::kBytes);
    if (file.error() != QFileDevice::NoError) {
        throw CsvFileError(CsvFileError::Kind::Unreadable, file.errorString());
    }
    checkText(start.bytes);
    return start;
}

std::vector<CsvRow> rowsOf(QByteArrayView bytes, char separator, bool whole, std::size_t most) {
    std::vector<CsvRow> rows;
    CsvReader reader(separator, [&rows, most](const CsvRow& row) {
        if (!row.empty() && rows.size() < most) rows.push_back(row);
    });
    // Read a slice at a time, so that the few first rows a preview asks for are not paid for
    // with the rows of the whole start of the file.
    constexpr qsizetype kSlice = 4096;
    const QByteArrayView text = withoutMark(bytes);
    for (qsizetype at = 0; at < text.size() && rows.size() < most; at += kSlice)
        reader.feed(text.sliced(at, std::min(kSlice, text.size() - at)));
    if (whole && rows.size() < most) reader.finish();
    return rows;
}

RowStream::RowStream(const QString& path, const ImportSettings& settings)
    : file_(path),
      settings_(settings),
      reader_(settings.separator,
              [this](const CsvRow& row) {
                  if (!row.empty()) rows_.push_back(row);
              }),
      headerLeft_(settings.header) {
    openForReading(file_);
    size_ = file_.size();
}

bool RowStream::readPiece() {
    if (ended_) return false;
    piece_.resize(kPieceBytes);
    const qint64 got = file_.read(piece_.data(), kPieceBytes);
    if (got < 0) throw CsvFileError(CsvFileError::Kind::Unreadable, file_.errorString());
    piece_.truncate(got);
    checkText(piece_);
    // The mark belongs to the file, not to its first field, whatever encoding is chosen.
    reader_.feed(read_ == 0 ? withoutMark(piece_) : QByteArrayView(piece_));
    read_ += got;
    if (got == 0) {
        reader_.finish();
        ended_ = true;
    }
    return true;
}

bool RowStream::next(ImportRow& row) {
    for (;;) {
        while (rows_.empty()) {
            if (!readPiece()) return false;
        }
        const CsvRow csvRow = std::move(rows_.front());
        rows_.pop_front();
        if (headerLeft_) {
            headerLeft_ = false;
            continue;
        }
        convertRow(csvRow, settings_, row);
        return true;
    }
}

}  // namespace csv
