// The 22 search commands: every box, warning and not-found text, and the combined match rules.

#include <QTest>

#include "record/record_window.h"
#include "search/search_commands.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");

const search::SearchCommand& command(const QString& menuEntry) {
    for (const auto& c : search::kSearchCommands) {
        if (QLatin1String(c.menuEntry) == menuEntry) return c;
    }
    qFatal("no search %s", qPrintable(menuEntry));
}

}  // namespace

class SearchCommandsTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void everyCommandAsksAndReports_data();
    void everyCommandAsksAndReports();
    void anEmptyTextIsWarnedAboutAfterEveryBox_data();
    void anEmptyTextIsWarnedAboutAfterEveryBox();
    void anyNameEndsSilentlyOnNothing();
    void bothTextsMustStandInTheirOwnFields();
    void anyNameLooksInFourFieldsOnly();
    void aRecordWithTheTextTwiceStopsOnce();
    void typedTextsStayAsTyped();
    void everyRowAsksForWhatItsShapeLooksFor();
};

void SearchCommandsTest::everyCommandAsksAndReports_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("boxes");  // prompt, title, prompt, title...
    QTest::addColumn<QString>("notFound");   // with the texts t1, t2, t3 typed
    // clang-format off
    QTest::newRow("mnuISBN") << "mnuISBN" << QStringList{"Find Identity:", "Sonvella 4.0: Find Identity"} << "CD Identiry t1 was Not Found";
    QTest::newRow("mnuAuthor") << "mnuAuthor" << QStringList{"Find Composer:", "Sonvella 4.0: Find Composer"} << "Composer t1 was Not Found";
    QTest::newRow("mnuTitle") << "mnuTitle" << QStringList{"Find Title:", "Sonvella 4.0: Find Title"} << "Text t1 was Not Found";
    QTest::newRow("mnuAlloi") << "mnuAlloi" << QStringList{"Find Orchestra/Conductor:", "Sonvella 4.0: Find Orchestra/Conductor"} << "Orchestra/Conductor t1 was Not Found";
    QTest::newRow("mnuEkdot") << "mnuEkdot" << QStringList{"Find Soloist:", "Sonvella 4.0: Find Soloist"} << "Soloist t1 was Not Found";
    QTest::newRow("mnuCover") << "mnuCover" << QStringList{"Find Text in Cover:", "Sonvella 4.0: Find Text in Cover"} << "The text t1 was Not Found";
    QTest::newRow("mnuAnyAuthorTitle") << "mnuAnyAuthorTitle" << QStringList{"Find Any Name in Composer or Title or Orchestra/Conductor or Soloist Text Box:", "Sonvella 4.0: Find Any Name"} << "Name t1 was Not Found";
    QTest::newRow("mnuAuthorTitle") << "mnuAuthorTitle" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Title", "and Title:", "Sonvella 4.0: Search for Title and Composer"} << "Composer t1 and Title Text t2 were Not Found";
    QTest::newRow("mnuTitleAlloi") << "mnuTitleAlloi" << QStringList{"Search for Title and:", "Sonvella 4.0: Search for Title and Orchestra", "and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Title"} << "Title Text t1 and Orchestra/Conductor t2 were Not Found";
    QTest::newRow("mnuAlloiEkdot") << "mnuAlloiEkdot" << QStringList{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search for Orchestra and Soloist", "and Soloist:", "Sonvella 4.0: Search for Soloist and Orchestra"} << "Orchestra/Conductor t1 and Soloist t2 were Not Found";
    QTest::newRow("mnuTitleEkdot") << "mnuTitleEkdot" << QStringList{"Search for Title and:", "Sonvella 4.0: Search for Title and Soloist", "and Soloist:", "Sonvella 4.0: Search for Soloist and Title"} << "Text Title t1 and Soloist t2 were Not Found";
    QTest::newRow("mnuAuthorAlloi") << "mnuAuthorAlloi" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Orchestra", "and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Composer"} << "Composer t1 and Orchestra/Conductor t2 were Not Found";
    QTest::newRow("mnuAuthorEkdot") << "mnuAuthorEkdot" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Soloist", "and Soloist:", "Sonvella 4.0: Search for Soloist and Composer"} << "Composer t1 and Soloist t2 were Not Found";
    QTest::newRow("mnuIDComposer") << "mnuIDComposer" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search Composer, Identity", "and Identity text:", "Sonvella 4.0: Search Identity, Composer"} << "Composer t1 and Identity Text t2 were Not Found";
    QTest::newRow("mnuIDtitle") << "mnuIDtitle" << QStringList{"Search for Title and:", "Sonvella 4.0: Search Title and Identity", "and Identity text:", "Sonvella 4.0: Search Identity and Title"} << "Title Text t1 and Identity text t2 were Not Found";
    QTest::newRow("mnuIDorchestra") << "mnuIDorchestra" << QStringList{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search Orchestra and Identity", "and Identity text:", "Sonvella 4.0: Search Identity and Orchestra"} << "Orchestra/Conductor t1 and Identity text t2 were Not Found";
    QTest::newRow("mnuIDsoloists") << "mnuIDsoloists" << QStringList{"Soloist:", "Sonvella 4.0: Search Soloist and Identity", "and Identity text:", "Sonvella 4.0: Search Identity and Soloist"} << "Soloist t1 Identity text t2 were Not Found";
    QTest::newRow("mnuIDcover") << "mnuIDcover" << QStringList{"Cover text:", "Sonvella 4.0: Search Cover and Identity", "and Identity text:", "Sonvella 4.0: Search Identity and Cover"} << "Cover text t1 Identity text t2 were Not Found";
    QTest::newRow("mnuIDComposerTitle") << "mnuIDComposerTitle" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search Composer, Title, Id.", "and Title:", "Sonvella 4.0: Search Title, Composer, Id.", "and Identity text:", "Sonvella 4.0: Search Id., Composer, Title"} << "Composer t1 and Title Text t2 and Identity Text t3 were Not Found";
    QTest::newRow("mnuIDComposerOrchestra") << "mnuIDComposerOrchestra" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search Composer, Orchestra, Id.", "and Orchestra/Conductor", "Sonvella 4.0: Search Orchestra, Composer, Id.", "and Identity text:", "Sonvella 4.0: Search Id., Composer, Orchestra"} << "Composer t1 and Orchestra/Conductor t2 and Identity Text t3 were Not Found";
    QTest::newRow("mnuIDComposerSoloist") << "mnuIDComposerSoloist" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search Composer, Soloist, Id.", "and Soloist:", "Sonvella 4.0: Search Soloist, Composer, Id.", "and Identity text:", "Sonvella 4.0: Search Id., Composer, Soloist"} << "Composer t1 and Soloist t2 and Identity Text t3 were Not Found";
    QTest::newRow("mnuIDComposerCover") << "mnuIDComposerCover" << QStringList{"Search for Composer and:", "Sonvella 4.0: Search Composer, Cover, Id.", "and Cover text:", "Sonvella 4.0: Search Cover, Composer, Id.", "and Identity text:", "Sonvella 4.0: Search Id., Composer, Cover"} << "Composer t1 and Cover text t2 and Identity Text t3 were Not Found";
    // clang-format on
}

void SearchCommandsTest::everyCommandAsksAndReports() {
    QFETCH(QString, entry);
    QFETCH(QStringList, boxes);
    QFETCH(QString, notFound);
    load(testing::numberedRecords(3));
    for (int i = 0; i < boxes.size(); i += 2)
        dialogs_.expectInput(boxes[i + 1], boxes[i], QStringLiteral("t%1").arg(i / 2 + 1));
    dialogs_.expectMessage(kTitle, notFound, Icon::Information);
    runSearch(*w_, command(entry));
}

void SearchCommandsTest::anEmptyTextIsWarnedAboutAfterEveryBox_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("empty");  // which box is left empty
    QTest::addColumn<QString>("warning");
    // clang-format off
    QTest::newRow("mnuAuthorTitle, first cancelled") << "mnuAuthorTitle" << 0 << "Please type both the name of the Composer and the Title text";
    QTest::newRow("mnuTitleAlloi") << "mnuTitleAlloi" << 1 << "Please type both Title text and the Orchestra/Conductor";
    QTest::newRow("mnuAlloiEkdot") << "mnuAlloiEkdot" << 0 << "Please type both Orchestra/Conductor and Soloist Names";
    QTest::newRow("mnuTitleEkdot") << "mnuTitleEkdot" << 1 << "Please type both Title Text and the Name of the Soloist";
    QTest::newRow("mnuAuthorAlloi") << "mnuAuthorAlloi" << 0 << "Please type both the Composer and Orchestra/Conductor Names";
    QTest::newRow("mnuAuthorEkdot") << "mnuAuthorEkdot" << 1 << "Please type both Composer and Soloist Names";
    QTest::newRow("mnuIDComposer") << "mnuIDComposer" << 0 << "Please type both the name of the Composer and the Identity text";
    QTest::newRow("mnuIDtitle") << "mnuIDtitle" << 1 << "Please type both Title text and Identity text";
    QTest::newRow("mnuIDorchestra") << "mnuIDorchestra" << 0 << "Please type both Orchestra/Conductor Names and  Identity text";
    QTest::newRow("mnuIDsoloists") << "mnuIDsoloists" << 1 << "Please type both Soloist Names and Identity text";
    QTest::newRow("mnuIDcover") << "mnuIDcover" << 0 << "Please type both Cover text and Identity text";
    QTest::newRow("mnuIDComposerTitle") << "mnuIDComposerTitle" << 0 << "Please type the name of the Composer and the Title text and the Identity text.";
    QTest::newRow("mnuIDComposerOrchestra") << "mnuIDComposerOrchestra" << 1 << "Please type the name of the Composer and the Orchestra/Conductor and the Identity text.";
    QTest::newRow("mnuIDComposerSoloist") << "mnuIDComposerSoloist" << 2 << "Please type the name of the Composer and the name of the Soloist and the Identity text.";
    QTest::newRow("mnuIDComposerCover") << "mnuIDComposerCover" << 2 << "Please type the name of the Composer and the Cover text and the Identity text.";
    // clang-format on
}

void SearchCommandsTest::anEmptyTextIsWarnedAboutAfterEveryBox() {
    QFETCH(QString, entry);
    QFETCH(int, empty);
    QFETCH(QString, warning);
    load(testing::numberedRecords(3));
    const search::SearchCommand& c = command(entry);
    for (int i = 0; i < int(c.boxes.size()); ++i) {
        dialogs_.expectInput(QString::fromLatin1(c.boxes[i].title),
                             QString::fromLatin1(c.boxes[i].prompt),
                             i == empty ? QString() : QStringLiteral("Composer 1"));
    }
    dialogs_.expectMessage(kTitle, warning, Icon::Exclamation);
    const QString caption = w_->state().caption;
    runSearch(*w_, c);
    QCOMPARE(w_->state().caption, caption);  // nothing was searched
    QCOMPARE(w_->state().current, 1);
}

void SearchCommandsTest::anyNameEndsSilentlyOnNothing() {
    load(testing::numberedRecords(3));
    const search::SearchCommand& c = command("mnuAnyAuthorTitle");
    dialogs_.expectInput(QString::fromLatin1(c.boxes[0].title),
                         QString::fromLatin1(c.boxes[0].prompt), "");
    runSearch(*w_, c);
}

void SearchCommandsTest::bothTextsMustStandInTheirOwnFields() {
    load({{"No0001 CD", "Bach", "Partita"},
          {"No0002 CD", "Mass", "Bach"},  // the texts in each other's fields: no hit
          {"No0003 LP", "Bach", "Mass in B minor"}});
    const search::SearchCommand& c = command("mnuAuthorTitle");
    dialogs_
        .expectInput(QString::fromLatin1(c.boxes[0].title), QString::fromLatin1(c.boxes[0].prompt),
                     "Bach")
        .expectInput(QString::fromLatin1(c.boxes[1].title), QString::fromLatin1(c.boxes[1].prompt),
                     "Mass")
        .expectMessage(kTitle, "Do you Wish to Print Opus Number  3 ;", Icon::Question,
                       Buttons::YesNoCancel, Answer::No)
        .expectMessage(kTitle, "None Other Similar Opus Number Found", Icon::Exclamation);
    runSearch(*w_, c);

    // ID+Lookup: an Identity text in the Identity, the other text only in another field.
    const search::SearchCommand& lookup = command("mnuIDComposer");
    dialogs_
        .expectInput(QString::fromLatin1(lookup.boxes[0].title),
                     QString::fromLatin1(lookup.boxes[0].prompt), "Partita")
        .expectInput(QString::fromLatin1(lookup.boxes[1].title),
                     QString::fromLatin1(lookup.boxes[1].prompt), "No0001")
        .expectMessage(kTitle, "Composer Partita and Identity Text No0001 were Not Found",
                       Icon::Information);
    runSearch(*w_, lookup);
}

void SearchCommandsTest::anyNameLooksInFourFieldsOnly() {
    load({{"Kremer CD", "", "", "", "", "Kremer label"}, {"No0002", "", "", "", "Gidon Kremer"}});
    const search::SearchCommand& c = command("mnuAnyAuthorTitle");
    dialogs_
        .expectInput(QString::fromLatin1(c.boxes[0].title), QString::fromLatin1(c.boxes[0].prompt),
                     "Kremer")
        .expectMessage(kTitle, "Do you Wish to Print Opus Number  2 ;", Icon::Question,
                       Buttons::YesNoCancel, Answer::No)
        .expectMessage(kTitle, "None Other Similar Opus Number Found", Icon::Exclamation);
    runSearch(*w_, c);
}

void SearchCommandsTest::aRecordWithTheTextTwiceStopsOnce() {
    load({{"No0001", "Bach", "Bach Partita", "Bach Ensemble"}, {"No0002", "Ravel"}});
    const search::SearchCommand& c = command("mnuAnyAuthorTitle");
    dialogs_
        .expectInput(QString::fromLatin1(c.boxes[0].title), QString::fromLatin1(c.boxes[0].prompt),
                     "Bach")
        .expectMessage(kTitle, "Do you Wish to Print Opus Number  1 ;", Icon::Question,
                       Buttons::YesNoCancel, Answer::No)
        .expectMessage(kTitle, "None Other Similar Opus Number Found", Icon::Exclamation);
    runSearch(*w_, c);
}

void SearchCommandsTest::typedTextsStayAsTyped() {
    load(testing::numberedRecords(2));
    const search::SearchCommand& c = command("mnuAuthorTitle");
    dialogs_
        .expectInput(QString::fromLatin1(c.boxes[0].title), QString::fromLatin1(c.boxes[0].prompt),
                     " %2 ")
        .expectInput(QString::fromLatin1(c.boxes[1].title), QString::fromLatin1(c.boxes[1].prompt),
                     "100%")
        .expectMessage(kTitle, "Composer  %2  and Title Text 100% were Not Found",
                       Icon::Information);
    runSearch(*w_, c);
}

void SearchCommandsTest::everyRowAsksForWhatItsShapeLooksFor() {
    // One row per search, in menu order, with an input box for each text the shape looks for.
    for (int i = 0; i < search::kSearchCount; ++i) {
        const search::SearchCommand& c = search::kSearchCommands[i];
        QCOMPARE(int(c.id), i);
        QCOMPARE(int(c.boxes.size()), search::shapeOf(c.id).texts());
    }
}

QTEST_GUILESS_MAIN(SearchCommandsTest)
#include "tst_search_commands.moc"
