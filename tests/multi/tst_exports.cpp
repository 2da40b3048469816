// Exporting the collection by Composer and by Identity: questions, filter, both files, report.

#include <QDir>
#include <QFile>
#include <QTest>

#include "multi/exports.h"
#include "multi/multi_window.h"
#include "store/codepage.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/multi_test.h"

using multi::MultiWindow;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing::CollectionDir;

namespace {

const QString kComposerTitle = QStringLiteral("Sonvella 4.0 - Export by Composer");
const QString kIdentityTitle = QStringLiteral("Sonvella 4.0 - Export by Identity");
const QString kFilterPrompt = QStringLiteral(
    "Type the Special Character(s) to Search for in Identity or\nClick on <Cancel> to Export the "
    "Entire Collection:");
const QByteArray kRule = "   " + QByteArray(79, '_');

}  // namespace

class ExportsTest : public testing::MultiTest {
    Q_OBJECT
private slots:
    void cancelAtTheQuestionWritesNothing();
    void theWholeCollectionByComposer();
    void theWholeCollectionByIdentity();
    void aFilterOnTheIdentity_data();
    void aFilterOnTheIdentity();
    void anAllBlankRecord();
    void moreThan32767Records();
    void aFileThatCannotBeWrittenIsNotCalledSaved_data();
    void aFileThatCannotBeWrittenIsNotCalledSaved();
    void aFullDiskKeepsTheEarlierExport();

private:
    void expectComposerExport(Answer answer, const QString& filter = {}) {
        dialogs_.expectMessage(kComposerTitle,
                               "Shall I Export Collection by Composer in Files\n'Collection.doc' "
                               "and 'ShortCollect.doc'?",
                               Icon::Question, Buttons::OkCancel, answer);
        if (answer == Answer::Ok) dialogs_.expectInput(kComposerTitle, kFilterPrompt, filter);
    }
    void expectSaved(const QString& title, const QString& head, const char* longFile,
                     const char* shortFile) {
        dialogs_.expectMessage(title,
                               head + "\n" + dir_->path(QStringLiteral("Sonvella400/") + longFile) +
                                   "\n" + dir_->path(QStringLiteral("Sonvella400/") + shortFile),
                               Icon::Information);
    }
    QByteArray file(const char* name) const {
        return dir_->bytes(QStringLiteral("Sonvella400/") + name);
    }
};

void ExportsTest::cancelAtTheQuestionWritesNothing() {
    load(testing::numberedRecords(3));
    dir_->write("Sonvella400/Collection.doc", "kept");
    w_->ShowCR();
    expectComposerExport(Answer::Cancel);
    multi::mnuSaveAll(*w_);
    QCOMPARE(file("Collection.doc"), QByteArray("kept"));
    QVERIFY(!QFile::exists(dir_->path("Sonvella400/ShortCollect.doc")));
    QVERIFY(w_->drawing.empty());  // the drawing is cleared all the same
    QCOMPARE(w_->rowCounter, 1);   // the page held is not
}

void ExportsTest::theWholeCollectionByComposer() {
    load({{"CD 4711", "Bach", "Mass in B minor", "Concentus", "", "2 CD"}, {"~~~"}});
    expectComposerExport(Answer::Ok, "");  // Cancel in the filter box gives the empty text too
    expectSaved(kComposerTitle, "All Opus Numbers have been Saved at:", "Collection.doc",
                "ShortCollect.doc");
    multi::mnuSaveAll(*w_);
    QCOMPARE(file("Collection.doc"),
             "Bach   Mass in B minor   Concentus      2 CD   CD 4711   Opus No= 1" + kRule +
                 "\r\n" + QByteArray(12, ' ') + "   ~~~   Opus No= 2" + kRule + "\r\n");
    QCOMPARE(file("ShortCollect.doc"),
             "Bach   Mass in B minor   Concentus   \r\n" + QByteArray(9, ' ') + "\r\n");
    QCOMPARE(w_->status, QString());
    QCOMPARE(w_->current, 2);
}

void ExportsTest::theWholeCollectionByIdentity() {
    load({{"CD 4711", "Bach", "Mass in B minor", "Concentus", "Soli", "2 CD"}});
    dialogs_
        .expectMessage(kIdentityTitle,
                       "Shall I Export Collection by Identity in Files\n'IdCollection.doc' and "
                       "'IdShortCollect.doc'?",
                       Icon::Question, Buttons::OkCancel, Answer::Ok)
        .expectInput(kIdentityTitle, kFilterPrompt, "");
    expectSaved(kIdentityTitle, "All Opus Numbers have been Saved at:", "IdCollection.doc",
                "IdShortCollect.doc");
    multi::mnuSaveAllIdentity(*w_);
    QCOMPARE(
        file("IdCollection.doc"),
        "CD 4711   Bach   Mass in B minor   Concentus   Soli   2 CD   Opus No= 1" + kRule + "\r\n");
    QCOMPARE(file("IdShortCollect.doc"),
             QByteArray("CD 4711   Bach   Mass in B minor   Concentus   Soli\r\n"));
}

void ExportsTest::aFilterOnTheIdentity_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("count");
    QTest::newRow("matching nothing") << " <  0 > " << 0;
    QTest::newRow("small letters") << "cd" << 0;
    QTest::newRow("CD") << "CD" << 2;
    QTest::newRow("one blank") << " " << 3;  // every Identity shorter than 45
    QTest::newRow("greek") << QStringLiteral("Δίσκος") << 1;
}

void ExportsTest::aFilterOnTheIdentity() {
    QFETCH(QString, filter);
    QFETCH(int, count);
    load({{"CD 12", "Bach"},
          {"LP 7", "Ravel"},
          {"CD 13", "Satie"},
          {QStringLiteral("Δίσκος1") + QString(38, 'x')}});
    expectComposerExport(Answer::Ok, filter);
    expectSaved(kComposerTitle,
                QStringLiteral("<  %1 > Opus Numbers have been Saved at:").arg(count),
                "Collection.doc", "ShortCollect.doc");
    multi::mnuSaveAll(*w_);
    QCOMPARE(file("Collection.doc").count('\n'), count);
    QCOMPARE(file("ShortCollect.doc").count('\n'), count);
    QVERIFY(QFile::exists(dir_->path("Sonvella400/ShortCollect.doc")));
}

void ExportsTest::anAllBlankRecord() {
    load({{}});
    expectComposerExport(Answer::Ok);
    expectSaved(kComposerTitle, "All Opus Numbers have been Saved at:", "Collection.doc",
                "ShortCollect.doc");
    multi::mnuSaveAll(*w_);
    QCOMPARE(file("Collection.doc"), QByteArray(15, ' ') + "   Opus No= 1" + kRule + "\r\n");
    QCOMPARE(file("ShortCollect.doc"), QByteArray(9, ' ') + "\r\n");
}

void ExportsTest::moreThan32767Records() {
    load(testing::numberedRecords(33000));
    expectComposerExport(Answer::Ok, "LP");
    expectSaved(kComposerTitle, "<  16500 > Opus Numbers have been Saved at:", "Collection.doc",
                "ShortCollect.doc");
    multi::mnuSaveAll(*w_);
    const QByteArray long_ = file("Collection.doc");
    QCOMPARE(long_.count('\n'), 16500);
    QVERIFY(long_.contains("   Opus No= 33000" + kRule + "\r\n"));
}

void ExportsTest::aFileThatCannotBeWrittenIsNotCalledSaved_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("head");
    QTest::newRow("entire collection") << ""
                                       << "All Opus Numbers have been Saved at:";
    // The count comes from the pass that ran, although the long file was not made.
    QTest::newRow("with a filter") << "LP"
                                   << "<  1 > Opus Numbers have been Saved at:";
}

void ExportsTest::aFileThatCannotBeWrittenIsNotCalledSaved() {
    QFETCH(QString, filter);
    QFETCH(QString, head);
    load(testing::numberedRecords(2));
    QVERIFY(QDir().mkpath(dir_->path("Sonvella400/Collection.doc")));
    expectComposerExport(Answer::Ok, filter);
    // Told under the export's own title, as its other boxes are.
    dialogs_.expectMessage(
        kComposerTitle,
        dir_->path("Sonvella400/Collection.doc") + " could not be written:\nIs a directory",
        Icon::Exclamation);
    // Only the file that was written is named in the report.
    dialogs_.expectMessage(kComposerTitle, head + "\n" + dir_->path("Sonvella400/ShortCollect.doc"),
                           Icon::Information);
    multi::mnuSaveAll(*w_);
    QCOMPARE(file("ShortCollect.doc").count('\n'), filter.isEmpty() ? 2 : 1);
}

void ExportsTest::aFullDiskKeepsTheEarlierExport() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    load(testing::numberedRecords(40));
    QVERIFY(QDir().mkpath(dir_->path("Sonvella400")));
    dir_->write("Sonvella400/Collection.doc", "an earlier export");
    expectComposerExport(Answer::Ok);
    dialogs_.expectMessage(kComposerTitle,
                           dir_->path("Sonvella400/Collection.doc") +
                               " could not be written:\nFile too large\nThe earlier export in "
                               "that file was kept.",
                           Icon::Exclamation);
    dialogs_.expectMessage(
        kComposerTitle,
        "All Opus Numbers have been Saved at:\n" + dir_->path("Sonvella400/ShortCollect.doc"),
        Icon::Information);
    {
        const testing::FileSizeLimit limit(4096);
        QVERIFY(limit.active());
        multi::mnuSaveAll(*w_);
    }
    QCOMPARE(file("Collection.doc"), QByteArray("an earlier export"));
    QCOMPARE(file("ShortCollect.doc").count('\n'), 40);
    QCOMPARE(QDir(dir_->path("Sonvella400")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"Collection.doc", "ShortCollect.doc"}));
#endif
}

QTEST_GUILESS_MAIN(ExportsTest)
#include "tst_exports.moc"
