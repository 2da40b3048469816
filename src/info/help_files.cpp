#include "info/help_files.h"

#include <QDir>
#include <QFileInfo>

namespace info {

namespace {

bool isHtml(const QString& suffix) {
    return suffix.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0;
}

bool isText(const QString& suffix) {
    return suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

}  // namespace

QString shownHelpFileName(const QString& helpFile) {
    const QFileInfo name(helpFile);
    const QString suffix = name.suffix();
    if (isHtml(suffix) || isText(suffix)) return helpFile;
    const QString base =
        suffix.isEmpty() ? helpFile : helpFile.left(helpFile.size() - suffix.size() - 1);
    return base + QStringLiteral(".html");
}

bool isPlainTextHelp(const QString& path) {
    return isText(QFileInfo(path).suffix());
}

QString findHelpFile(const QString& helpFile, const QStringList& folders) {
    const QString name = shownHelpFileName(helpFile);
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile() && file.isReadable()) return file.absoluteFilePath();
    }
    return {};
}

}  // namespace info
