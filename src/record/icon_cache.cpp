#include "record/icon_cache.h"

#include <cstring>

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

int IconCache::kindOf(QByteArrayView identity) {
    if (identity.size() != qsizetype(lastIdentity_.size())) return mediaKindOf(identity);
    if (lastKind_ == -2 ||
        std::memcmp(identity.data(), lastIdentity_.data(), identity.size()) != 0) {
        std::memcpy(lastIdentity_.data(), identity.data(), identity.size());
        lastKind_ = mediaKindOf(identity);
    }
    return lastKind_;
}

const QImage* IconCache::icon(int kind) {
    std::optional<QImage>& icon = icons_[kind];
    if (!icon) icon = decode_(mediaIconFile(kind));
    return icon->isNull() ? nullptr : &*icon;
}

}  // namespace record
