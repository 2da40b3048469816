#include "info/about_texts.h"

#include <QFileInfo>

#include "common/numbers.h"
#include "common/version.h"
#include "store/collection_file.h"

namespace info {

QString versionText() {
    return QStringLiteral("Sonvella Version:  %1.%2.%3")
        .arg(common::kVersionMajor)
        .arg(common::kVersionMinor)
        .arg(common::kVersionPatch);
}

QString collectionVersionText(const QString& path) {
    // Taken by name each time: the main window may have added records since the last look.
    const QFileInfo file(path);
    const std::int64_t length = file.isFile() ? file.size() : 0;
    return QStringLiteral("My Collection Version:   ") +
           common::numberText(store::roundedRecordCount(length));
}

}  // namespace info
