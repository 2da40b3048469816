#pragma once
// The media icons as the main window shows them: each decoded from its file the first time a
// record names its kind and kept while the window is loaded, a file that cannot be decoded
// remembered as such. Stepping through records, by hand or in a pass over the whole collection,
// then never reads a picture file again.

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "record/media_icon.h"

namespace record {

class IconCache {
public:
    // Decodes a picture file; a null image when it cannot.
    using Decoder = std::function<QImage(const QString& file)>;

    IconCache();
    // Another way of decoding, for tests that count the decodes.
    void setDecoder(Decoder decoder);
    // Forgets every icon: the next record that names a kind decodes its file again.
    void clear();

    // The icon of a kind; nullptr when its file cannot be decoded.
    const QImage* icon(int kind);

private:
    Decoder decode_;
    std::array<std::optional<QImage>, kMediaKinds> icons_;
};

}  // namespace record
