#include "maintenance/backup.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <vector>

#include "history/journal.h"
#include "maintenance/backup_copy.h"
#include "maintenance/backup_marker.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "platform/shell.h"
#include "record/record_window.h"
#include "store/collection_file.h"

namespace maintenance {

using platform::Answer;
using platform::Icon;
using record::RecordWindow;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Back Up Important Files");
const QString kFilter = QStringLiteral("Opus Backup file (*Backup.txt)");
const QString kMarkerName = QStringLiteral("Backup.txt");
const QString kPartial = QStringLiteral("Partial or No Back Up files were copied.");

// The name lists in the order they are copied, after the marker and before the collection file.
const char* const kListFiles[] = {"Composers.txt", "Conductors.txt", "Orchestras.txt",
                                  "Title.txt",     "AKSoloists.txt", "LZSoloists.txt",
                                  "Vocal.txt",     "Labels.txt"};

struct Copy {
    QString from;
    QString to;
};

// Everything in the chosen path before the first "Backup.txt": the folder, and any start of a file
// name that the marker carries ("Old" for OldBackup.txt), which every copied file then shares.
std::optional<QString> prefixOf(const QString& marker) {
    const qsizetype at = marker.indexOf(kMarkerName, 0, Qt::CaseSensitive);
    if (at < 0) return std::nullopt;
    return marker.left(at);
}

// Whether two paths name the same existing file or folder, however they are spelt.
bool samePath(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// The marker of the folder the open collection was found in, empty when there is none. The program
// folder's is made at start, so a missing one was taken away and the user is told; a folder of the
// user's own gets one here, the first time it is backed up.
QString openCollectionMarker(RecordWindow& window) {
    const QString folder = QFileInfo(window.file().path()).absolutePath();
    if (!samePath(folder, platform::programDirectory())) return ensureBackupMarkerIn(folder);
    const QString marker = defaultBackupMarker();
    return QFileInfo(marker).isFile() ? marker : QString();
}

// The source marker: the open collection's (Yes) or one the user points at (No). Empty when the
// user gave up.
QString chooseSource(RecordWindow& window, platform::Dialogs& dialogs) {
    for (;;) {
        const Answer answer = dialogs.ask(
            kTitle,
            QStringLiteral("Click on 'Yes' to select Default Destination Drive/Directory\n"
                           "Click on 'No' to select BOTH Source and Destination Drive/Directory\n"
                           "For more information read the Sonvella Manual"),
            Icon::Question, platform::Buttons::YesNoCancel);
        if (answer == Answer::Yes) {
            const QString marker = openCollectionMarker(window);
            if (!marker.isEmpty()) return marker;
            dialogs.show(kTitle,
                         QStringLiteral("You changed the default instalation location during the "
                                        "original setup.\nIn the next window click on 'No' to "
                                        "select BOTH Source and Destination Drive/Directory."),
                         Icon::Exclamation);
            continue;
        }
        if (answer == Answer::No) {
            return dialogs.openFile(
                {QStringLiteral("Sonvella 4.0 - Select Installation Drive/Directory"),
                 kFilter,
                 {}});
        }
        return {};
    }
}

std::vector<Copy> copiesFor(const QString& sourceMarker, const QString& sourcePrefix,
                            const QString& destinationMarker, const QString& destinationPrefix) {
    std::vector<Copy> copies{{sourceMarker, destinationMarker}};
    for (const char* name : kListFiles) {
        const QString file = QString::fromLatin1(name);
        copies.push_back({sourcePrefix + file, destinationPrefix + file});
    }
    copies.push_back({sourcePrefix + store::CollectionFile::kFileName,
                      destinationPrefix + store::CollectionFile::kFileName});
    return copies;
}

// Whether some file would be copied onto itself, however its path is spelt.
bool ontoItself(const std::vector<Copy>& copies) {
    return std::any_of(copies.begin(), copies.end(),
                       [](const Copy& copy) { return samePath(copy.from, copy.to); });
}

void reportFailure(platform::Dialogs& dialogs, CopyOutcome outcome, const QString& to) {
    QString text = kPartial;
    if (outcome == CopyOutcome::DestinationFull)
        text = QStringLiteral("Destination disk is full. ") + kPartial;
    if (outcome == CopyOutcome::ReadOnly)
        text = to + QStringLiteral(" is read-only: it was not replaced.\n") + kPartial;
    dialogs.show(kTitle, text, Icon::Critical);
}

// The collection file was closed for its copy: a fresh main window opens it again and recounts
// its records.
void restart(RecordWindow& window) {
    platform::Shell& shell = window.services().shell;
    shell.unloadMainWindow();
    shell.showSplash();
}

}  // namespace

void mnuBackUp(RecordWindow& window) {
    platform::Dialogs& dialogs = window.dialogs();
    const QString sourceMarker = chooseSource(window, dialogs);
    if (sourceMarker.isEmpty()) return;
    // A chosen name without "Backup.txt" names no backup folder: the command ends without a word.
    const std::optional<QString> sourcePrefix = prefixOf(sourceMarker);
    if (!sourcePrefix) return;

    const QString destinationMarker = dialogs.saveFile(
        {QStringLiteral("Sonvella 4.0 - Select Drive/Directory to Save BackUp Files"), kFilter,
         sourceMarker});
    if (destinationMarker.isEmpty()) return;  // cancelled
    const std::optional<QString> destinationPrefix = prefixOf(destinationMarker);
    if (!destinationPrefix) return;

    const std::vector<Copy> copies =
        copiesFor(sourceMarker, *sourcePrefix, destinationMarker, *destinationPrefix);
    if (ontoItself(copies)) {
        dialogs.show(kTitle,
                     QStringLiteral("The Drive/Directory you selected to save the BackUp files "
                                    "is the one they would be copied from.\nNo files were copied. "
                                    "Please select another Drive/Directory."),
                     Icon::Exclamation);
        return;
    }

    // The marker and the name lists. A failure here leaves the collection file open and the
    // window as it was; the files already copied stay at the destination.
    for (size_t i = 0; i + 1 < copies.size(); ++i) {
        const CopyOutcome outcome = copyReplacing(copies[i].from, copies[i].to);
        if (outcome != CopyOutcome::Copied) return reportFailure(dialogs, outcome, copies[i].to);
    }

    // The collection file is copied closed, so that no write of this program lands in the middle
    // of the copy. The record shown is not saved first: the backup holds what is on disk.
    const QString openCollection = QFileInfo(window.file().path()).absoluteFilePath();
    const bool restoring = samePath(copies.back().to, openCollection);
    window.file().close();
    const CopyOutcome outcome = copyReplacing(copies.back().from, copies.back().to);
    if (outcome == CopyOutcome::Copied && restoring) {
        // A backup copied over the open collection: no change before it can be undone.
        history::Journal::appendBarrier(openCollection, QStringLiteral("Restored by BackUp"),
                                        window.services().clock.now());
    }
    if (outcome == CopyOutcome::Copied) {
        dialogs.show(kTitle,
                     QStringLiteral("Your classical music collection files have been copied to "
                                    "selected Drive/Directory.\nIf you have saved on an external "
                                    "disk, remove it from the drive."),
                     Icon::Information);
    } else {
        reportFailure(dialogs, outcome, copies.back().to);
    }
    restart(window);
}

}  // namespace maintenance
