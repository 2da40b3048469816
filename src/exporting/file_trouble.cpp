#include "exporting/file_trouble.h"

#include "exporting/text_file.h"
#include "platform/dialogs.h"

namespace exporting {

void FileTrouble::report(const QString& path, const QString& reason) {
    if (failed_.contains(path)) return;
    failed_.insert(path);
    dialogs_.show(title_, path + QStringLiteral(" could not be written:\n") + reason,
                  platform::Icon::Exclamation);
}

bool createEmpty(const QString& path, FileTrouble& trouble) {
    TextFile file;
    if (file.open(path, TextFile::Mode::Create) && file.close()) return true;
    trouble.report(path, file.error());
    return false;
}

}  // namespace exporting
