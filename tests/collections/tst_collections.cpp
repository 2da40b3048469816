// New and Open Collection on real folders, answered by scripted folder dialogs: what a new folder
// receives, when the main window is reloaded and on which folder, what a folder lacking a file or
// one that cannot be read leaves as it was, and the recent folders.

#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "collections/collection_commands.h"
#include "collections/recent_collections.h"
#include "record/record_window.h"
#include "store/name_list.h"
#include "support/window_test.h"

using platform::Icon;
using FolderChoice = platform::Dialogs::FolderChoice;
using store::Field;

namespace {

const QString kStarter = QStringLiteral(SONVELLA_SOURCE_DIR "/data/demo");
const QString kNewTitle = QStringLiteral("New Collection - choose an empty or new folder");
const QString kOpenTitle = QStringLiteral("Open Collection - choose the folder of a collection");

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class CollectionsTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void newMakesAnEmptyCollectionAndOpensIt();
    void newRefusesAFolderInUse();
    void openGoesBackAndForth();
    void aFolderLackingAListIsNotOpened();
    void aFolderThatCannotBeReadIsNotOpened();
    void theRecentListKeepsTheFiveNewest();
};

void CollectionsTest::newMakesAnEmptyCollectionAndOpensIt() {
    load(2);
    session_.sortState = 2;  // re-sorted in this run: not the new collection
    w_->typeInto(record::txtOno, QStringLiteral("Typed before leaving"));
    const QString folder = dir_->path("Mine/New");  // not there yet
    dialogs_.expectFolder(kNewTitle, QDir::homePath(), folder, FolderChoice::NewAllowed);

    collections::mnuNewCollection(*w_, {dir_->path("no such folder"), kStarter});

    QCOMPARE(dir_->field(1, Field::Composer).trimmed(), QStringLiteral("Typed before leaving"));
    QCOMPARE(fakes_.shell.calls, (QStringList{"unload", "splash"}));
    QCOMPARE(QDir::currentPath(), folder);
    QCOMPARE(session_.sortState, std::int16_t(0));
    QCOMPARE(collections::RecentCollections().folders(), QStringList{folder});
    for (const auto& list : store::kNameLists) {
        const QString name = QString::fromLatin1(list.file);
        QCOMPARE(contents(folder + "/" + name), contents(kStarter + "/" + name));
    }
    QCOMPARE(QFileInfo(folder + "/Clasical.dat").size(), 0);
    QCOMPARE(contents(folder + "/Cd.jpg"), contents(kStarter + "/Cd.jpg"));
    // The lists, the collection and the 13 icons: no cover, no demo record.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 8 + 1 + 13);

    // The next main window loads on it: one empty record.
    record::RecordWindow fresh(session_, fakes_.services());
    QVERIFY(fresh.Form_Load());
    QCOMPARE(fresh.state().N, 1);
    QCOMPARE(fresh.state().boxes[record::txtEpo], QString());
}

void CollectionsTest::newRefusesAFolderInUse() {
    load(2);
    const QString folder = dir_->path("Busy");
    QVERIFY(QDir().mkpath(folder));
    dir_->write("Busy/notes.txt", "mine");
    dialogs_.expectFolder(kNewTitle, QDir::homePath(), folder, FolderChoice::NewAllowed);
    dialogs_.expectMessage("Sonvella 4.0",
                           QDir::toNativeSeparators(folder) +
                               " is not empty: a new collection needs a folder of its own.",
                           Icon::Exclamation);

    collections::mnuNewCollection(*w_, {kStarter});

    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"notes.txt"});
    QVERIFY(fakes_.shell.calls.isEmpty());
    QCOMPARE(QDir::currentPath(), dir_->path());
}

void CollectionsTest::openGoesBackAndForth() {
    load(3);
    const QString first = dir_->path();
    QTemporaryDir other;
    for (const QString& name : QDir(first).entryList(QDir::Files))
        QVERIFY(QFile::copy(first + "/" + name, other.filePath(name)));
    dialogs_.expectFolder(kOpenTitle, first, other.path());
    collections::mnuOpenCollection(*w_);
    QCOMPARE(QDir::currentPath(), other.path());
    QCOMPARE(fakes_.shell.calls, (QStringList{"unload", "splash"}));

    record::RecordWindow there(session_, fakes_.services());
    QVERIFY(there.Form_Load());
    collections::openRecentCollection(there, first);
    QCOMPARE(QDir::currentPath(), first);
    QCOMPARE(collections::RecentCollections().folders(), (QStringList{first, other.path()}));
}

void CollectionsTest::aFolderLackingAListIsNotOpened() {
    load(2);
    QTemporaryDir other;
    for (const QString& name : QDir(dir_->path()).entryList(QDir::Files)) {
        if (name != "Vocal.txt") QVERIFY(QFile::copy(dir_->path(name), other.filePath(name)));
    }
    w_->typeInto(record::txtOno, QStringLiteral("Not saved: nothing was opened"));
    dialogs_.expectFolder(kOpenTitle, dir_->path(), other.path());
    dialogs_.expectMessage("Sonvella 4.0",
                           "One or More Files are Missing.\n" +
                               QDir::toNativeSeparators(other.path()) + " has no Vocal.txt.",
                           Icon::Critical);

    collections::mnuOpenCollection(*w_);

    QVERIFY(fakes_.shell.calls.isEmpty());
    QCOMPARE(QDir::currentPath(), dir_->path());
    QVERIFY(w_->file().isOpen());
    QCOMPARE(dir_->field(1, Field::Composer).trimmed(), QStringLiteral("Composer 1"));
    QVERIFY(collections::RecentCollections().folders().isEmpty());
}

void CollectionsTest::aFolderThatCannotBeReadIsNotOpened() {
    load(2);
    QTemporaryDir other;
    for (const QString& name : QDir(dir_->path()).entryList(QDir::Files))
        QVERIFY(QFile::copy(dir_->path(name), other.filePath(name)));
    QVERIFY(QFile::setPermissions(other.path(), QFile::WriteOwner));  // no reading, no entering
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(other.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    dialogs_.expectFolder(kOpenTitle, dir_->path(), other.path());
    dialogs_.expectMessage("Sonvella 4.0",
                           "One or More Files are Missing.\n" +
                               QDir::toNativeSeparators(other.path()) + " cannot be read.",
                           Icon::Critical);
    // The superuser reads any folder: the command runs as nobody then, in a child.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(10);
        collections::mnuOpenCollection(*w_);
        if (!fakes_.dialogs.verifyDone() || QTest::currentTestFailed()) ::_exit(11);
        ::_exit(fakes_.shell.calls.isEmpty() && QDir::currentPath() == dir_->path() ? 0 : 12);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    dialogs_ = {};  // the child showed the boxes
}

void CollectionsTest::theRecentListKeepsTheFiveNewest() {
    QTemporaryDir settings;
    collections::RecentCollections recent(settings.filePath("recent.conf"));
    for (int i = 1; i <= 7; ++i) recent.add(QStringLiteral("/music/%1").arg(i));
    recent.add(QStringLiteral("/music/4/"));  // the same folder, however written: it moves up
    QCOMPARE(recent.folders(),
             (QStringList{"/music/4", "/music/7", "/music/6", "/music/5", "/music/3"}));
}

QTEST_GUILESS_MAIN(CollectionsTest)
#include "tst_collections.moc"
