#include "record/icon_cache.h"

#include "record/picture_file.h"

namespace record {

namespace {

QImage decodeFile(const QString& file) {
    return readPictureFile(file);
}

}  // namespace

IconCache::IconCache() : decode_(decodeFile) {}

void IconCache::setDecoder(Decoder decoder) {
    decode_ = std::move(decoder);
    clear();
}

void IconCache::clear() {
    for (std::optional<QImage>& icon : icons_) icon.reset();
}

const QImage* IconCache::icon(int kind) {
    std::optional<QImage>& icon = icons_[kind];
    if (!icon) icon = decode_(mediaIconFile(kind));
    return icon->isNull() ? nullptr : &*icon;
}

}  // namespace record
