#include "covers/cover_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "common/texts.h"
#include "covers/picture_intake.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "record/cover_names.h"
#include "record/record_window.h"

namespace covers {

using platform::Icon;
using record::RecordWindow;

namespace {

// The picture formats the open dialog offers, as far as Qt's image plugins read them here.
struct Format {
    const char* reader;
    const char* patterns;
};
constexpr Format kFormats[] = {{"jpeg", "*.jpg *.jpeg"},
                               {"png", "*.png"},
                               {"bmp", "*.bmp"},
                               {"gif", "*.gif"},
                               {"webp", "*.webp"}};
// Encoded pictures a drop may carry, tried in this order.
constexpr const char* kDropTypes[] = {"image/jpeg", "image/png", "image/webp", "image/gif",
                                      "image/bmp"};

QString pictureFilter() {
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    QStringList patterns;
    for (const Format& format : kFormats) {
        if (readable.contains(QByteArray(format.reader)))
            patterns.append(QLatin1String(format.patterns));
    }
    return QStringLiteral("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

void refuse(RecordWindow& window, const QString& why) {
    window.dialogs().show(common::kTitle, why, Icon::Exclamation);
}

// The cover name of the record shown; empty, after saying why, when its Identity gives none that
// a file can have.
QString coverNameOrRefuse(RecordWindow& window) {
    const QString identity = window.record().text(store::Field::Identity);
    const QString name = record::coverName(identity);
    if (name.trimmed().isEmpty()) {
        refuse(window, QStringLiteral("This record has no Identity, and a cover is named after "
                                      "its first seven characters."));
        return {};
    }
    if (!record::isSafeCoverName(name)) {
        refuse(window, QStringLiteral("The Identity \"%1\" cannot name a cover file: a file name "
                                      "cannot hold / \\ : * ? \" < > | or \"..\".")
                           .arg(name.trimmed()));
        return {};
    }
    return name;
}

QString stem(const QString& name, Side side) {
    return QFileInfo(coverFile({}, name, side)).completeBaseName();
}

// Stores the picture as the record's cover, after asking before one is replaced, and shows it.
void store(RecordWindow& window, const QString& name, Side side, const Picture& picture) {
    if (!picture.ok()) {
        refuse(window, picture.error);
        return;
    }
    const QString folder = platform::coversDirectory();
    if (QFileInfo::exists(coverFile(folder, name, side))) {
        const platform::Answer answer = window.dialogs().ask(
            common::kTitle, QStringLiteral("Replace the cover of %1?").arg(stem(name, side)),
            Icon::Question, platform::Buttons::YesNo);
        if (answer != platform::Answer::Yes) return;
    }
    const CoverChange change =
        setCover(folder, name, side, picture.jpeg, window.services().clock.now());
    if (!change.ok()) {
        refuse(window, change.error);
        return;
    }
    QString status = QStringLiteral("Cover written: ") + change.written;
    if (!change.kept.isEmpty())
        status +=
            QStringLiteral(" (the old one kept as ") + change.kept.front().to + QLatin1Char(')');
    window.setStatus(status);
    window.coverPanel().coversChanged();
}

void setFromFile(RecordWindow& window, Side side) {
    const QString name = coverNameOrRefuse(window);
    if (name.isEmpty()) return;
    const QString title = (side == Side::Front ? QStringLiteral("Set Front Cover of %1")
                                               : QStringLiteral("Set Back Cover of %1"))
                              .arg(name.trimmed());
    const QString path =
        window.dialogs().openFile({.title = title, .filter = pictureFilter(), .initialFile = {}});
    if (path.isEmpty()) return;
    store(window, name, side, pictureFromFile(QDir::toNativeSeparators(path)));
}

// The first local file a drop carries; the empty text when it carries none.
QString droppedFile(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return {};
}

}  // namespace

void mnuSetFrontCover(RecordWindow& window) {
    setFromFile(window, Side::Front);
}

void mnuSetBackCover(RecordWindow& window) {
    setFromFile(window, Side::Back);
}

void mnuPasteCover(RecordWindow& window) {
    const QString name = coverNameOrRefuse(window);
    if (name.isEmpty()) return;
    const QImage image = window.services().clipboard.image();
    if (image.isNull()) {
        refuse(window, QStringLiteral("The clipboard holds no picture."));
        return;
    }
    store(window, name, Side::Front,
          pictureFromImage(image, QStringLiteral("The picture on the clipboard")));
}

void mnuRemoveCovers(RecordWindow& window) {
    const QString name = coverNameOrRefuse(window);
    if (name.isEmpty()) return;
    const QString folder = platform::coversDirectory();
    const bool front = QFileInfo::exists(coverFile(folder, name, Side::Front));
    const bool back = QFileInfo::exists(coverFile(folder, name, Side::Back));
    const QString replaced =
        QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Replaced")));
    Which which = Which::Both;
    if (front && back) {
        const int choice = window.dialogs().choose(
            common::kTitle,
            QStringLiteral("Remove which covers of %1?\nThey are kept in %2.")
                .arg(name.trimmed(), replaced),
            {QStringLiteral("Front"), QStringLiteral("Back"), QStringLiteral("Both")});
        if (choice < 0) return;
        which = std::array{Which::Front, Which::Back, Which::Both}[static_cast<size_t>(choice)];
    } else if (front || back) {
        which = front ? Which::Front : Which::Back;
        const platform::Answer answer =
            window.dialogs().ask(common::kTitle,
                                 QStringLiteral("Remove the %1 cover of %2?\nIt is kept in %3.")
                                     .arg(front ? QStringLiteral("front") : QStringLiteral("back"),
                                          name.trimmed(), replaced),
                                 Icon::Question, platform::Buttons::YesNo);
        if (answer != platform::Answer::Yes) return;
    }
    const CoverChange change = removeCovers(folder, name, which, window.services().clock.now());
    if (!change.kept.isEmpty()) {
        QStringList moved;
        for (const Kept& kept : change.kept) moved.append(kept.to);
        window.setStatus(QStringLiteral("Cover removed, kept as ") +
                         moved.join(QStringLiteral(" and ")));
        window.coverPanel().coversChanged();
    }
    if (!change.ok()) refuse(window, change.error);
}

bool isCoverDrop(const QMimeData& data) {
    return !droppedFile(data).isEmpty() || data.hasImage() ||
           std::any_of(std::begin(kDropTypes), std::end(kDropTypes),
                       [&](const char* type) { return data.hasFormat(QLatin1String(type)); });
}

void dropCover(RecordWindow& window, const QMimeData& data, Side side) {
    const QString name = coverNameOrRefuse(window);
    if (name.isEmpty()) return;
    const QString file = droppedFile(data);
    if (!file.isEmpty()) {
        store(window, name, side, pictureFromFile(QDir::toNativeSeparators(file)));
        return;
    }
    const QString source = QStringLiteral("The dropped picture");
    for (const char* type : kDropTypes) {
        if (data.hasFormat(QLatin1String(type))) {
            store(window, name, side, pictureFromData(data.data(QLatin1String(type)), source));
            return;
        }
    }
    store(window, name, side, pictureFromImage(qvariant_cast<QImage>(data.imageData()), source));
}

}  // namespace covers
