#include "record/icon_cache.h"

namespace record {

namespace {

QImage decodeFile(const QString& file) {
    QImage image;
    image.load(file);
    return image;
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
