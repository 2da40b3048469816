#include "multi/multi_searches.h"

#include <QFile>

#include "common/numbers.h"
#include "common/texts.h"
#include "multi/multi_window.h"
#include "multi/page_print.h"
#include "multi/result_files.h"
#include "platform/dialogs.h"
#include "platform/print_job.h"
#include "print_conventions/print_conventions.h"
#include "store/match_rule.h"
#include "store/record_scanner.h"

namespace multi {

using platform::Answer;
using platform::Icon;
using store::Field;
using S = SearchId;
using search::Scan;

// clang-format off
const std::array<MultiSearch, search::kSearchCount> kMultiSearches = {{
    {S::Identity, "mnuEpo",
     {{"Find Identity:", "Sonvella 4.0: Find Identity"}},
     nullptr, "Identity %1 was Not Found", "Searching for Identity:", nullptr, false, false, false},
    {S::Composer, "mnuOno",
     {{"Find Composer:", "Sonvella 4.0: Find Composer"}},
     nullptr, "Composer %1 was Not Found", "Searching for Composer:", nullptr, true, false, false},
    {S::Title, "mnuTitlos",
     {{"Find Title:", "Sonvella 4.0: Find Title"}},
     nullptr, "Text title %1 was Not Found", "Searching for Title:", nullptr, false, false, false},
    {S::Orchestra, "mnuAlloi",
     {{"Find Orchestra/Conductor:", "Sonvella 4.0: Find Orchestra/Conductor"}},
     nullptr, "Orchestra/Conductor %1 was Not Found", "Searching for Orchestra/Conductor:", nullptr, false, true, false},
    {S::Soloist, "mnuEkdot",
     {{"Find Soloist:", "Sonvella 4.0: Find Soloist"}},
     nullptr, "Soloist %1 was Not Found", "Searching for Soloist:", nullptr, false, false, true},
    {S::Cover, "mnuCover",
     {{"Find Text in Cover:", "Sonvella 4.0: Find Text in Cover"}},
     nullptr, "Cover text %1 was Not Found", "Searching for Text in Cover:", nullptr, false, true, false},
    {S::AnyName, "mnuAnyAuthorTitle",
     {{"Find Any Name in Composer or Title or Orchestra/Conductor or Soloist Text Box:", "Sonvella 4.0: Find Any Name"}},
     nullptr, "Name %1 was Not Found", "Searching for Any Name:", nullptr, false, false, false},

    {S::ComposerTitle, "mnuAuthorTitle",
     {{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Title"},
       {"and Title:", "Sonvella 4.0: Search for Title and Composer"}},
     "Please type both the name of the Composer and the Title text",
     "Composer %1 and Title text %2 were Not Found", "Searching for Composer and Title:", nullptr, false, false, false},
    {S::TitleOrchestra, "mnuTitleAlloi",
     {{"Search for Title and:", "Sonvella 4.0: Search for Title and Orchestra"},
       {"and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Title"}},
     "Please type both the Title text and the Orchestra/Conductor",
     "Title text %1 and Orchestra/Conductor %2 were Not Found", "Searching for Title and Orchestra/Conductor:", nullptr, false, false, false},
    {S::OrchestraSoloist, "mnuAlloiEkdot",
     {{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search for Orchestra and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Orchestra"}},
     "Please type both the Orchestra/Conductor and Soloist Names",
     "Orchestra/Conductor %1 and Soloist %2 were Not Found", "Searching for Orchestra/Conductor and Soloist:", nullptr, false, false, false},
    {S::TitleSoloist, "mnuTitleEkdot",
     {{"Search for Title and:", "Sonvella 4.0: Search for Title and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Title"}},
     "Please type both the Title text and the Name of the Soloist",
     "Text title %1 and Soloist %2 were Not Found", "Searching for Title and Soloist:", nullptr, false, false, false},
    {S::ComposerOrchestra, "mnuAuthorAlloi",
     {{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Orchestra"},
       {"and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Composer"}},
     "Please type both the Composer and Orchestra/Conductor Names",
     "Composer %1 and Orchestra/Conductor %2 were Not Found", "Searching for Composer and Orchestra/Conductor:", nullptr, false, false, false},
    {S::ComposerSoloist, "mnuAuthorEkdot",
     {{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Composer"}},
     "Please type both Composer and Soloist Names",
     "Composer %1 and Soloist %2 were Not Found", "Searching for Composer and Soloist:", nullptr, false, false, false},

    {S::IdComposer, "mnuIDComposer",
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Composer"}},
     "Please type both the name of the Composer and the Identity text",
     "Composer %1 and Identity text %2 were Not Found", "Searching for Composer and Identity text:", nullptr, false, false, false},
    {S::IdTitle, "mnuIDtitle",
     {{"Search for Title text and:", "Sonvella 4.0: Search Title and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Title"}},
     "Please type both the Title text and the Identity text",
     "Title text %1 and Identity text %2 were Not Found", "Searching for Title text and Identity text:", nullptr, false, false, false},
    {S::IdOrchestra, "mnuIDorchestra",
     {{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search Orchestra and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Orchestra"}},
     "Please type both the name of the Orchestra/Conductor and the Identity text",
     "Orchestra/Conductor %1 and Identity text %2 were Not Found", "Searching for Orchestra/Conductor and Identity text:",
     "Searching for Orchestra/Consuctor and Identity text:", false, false, false},
    {S::IdSoloist, "mnuISsoloists",
     {{"Search for Soloist and:", "Sonvella 4.0: Search Soloist and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Soloist"}},
     "Please type both the name of the Soloist and the Identity text",
     "Soloist %1 and Identity text %2 were Not Found", "Searching for Soloist and Identity text:", nullptr, false, false, false},
    {S::IdCover, "mnuIDcover",
     {{"Search for Cover text and:", "Sonvella 4.0: Search Cover and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Cover"}},
     "Please type both the Cover text and the Identity text",
     "Cover text %1 and Identity text %2 were Not Found", "Searching for Cover text and Identity text:", nullptr, false, false, false},

    {S::IdComposerTitle, "mnuIDComposerTitle",
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Title, Id."},
       {"Search for Title text and:", "Sonvella 4.0: Search Title, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Title"}},
     "Please type the name of the Composer, the Title text and the Identity text",
     "Composer %1 and Title %2 and Identity text %3 were Not Found", "Searching for Composer and Title text and Identity text:", nullptr, false, false, false},
    {S::IdComposerOrchestra, "mnuIDComposerOrchestra",
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Orchestra, Id."},
       {"Search for Orchestra and:", "Sonvella 4.0: Search Orchestra, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Orchestra"}},
     "Please type the name of the Composer, the Orchestra and the Identity text",
     "Composer %1 and Orchestra %2 and Identity text %3 were Not Found", "Searching for Composer and Orchestra and Identity text:", nullptr, false, false, false},
    {S::IdComposerSoloist, "mnuIDComposerSoloist",
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Soloist, Id."},
       {"Search for Soloist and:", "Sonvella 4.0: Search Soloist, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Soloist"}},
     "Please type the name of the Composer, the Soloist and the Identity text",
     "Composer %1 and Soloist %2 and Identity text %3 were Not Found", "Searching for Composer and Soloist and Identity text:", nullptr, false, false, false},
    {S::IdComposerCover, "mnuIDComposerCover",
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Cover, Id."},
       {"Search for Cover text and:", "Sonvella 4.0: Search Cover, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Cover"}},
     "Please type the name of the Composer, the Cover text and the Identity text",
     "Composer %1 and Cover text %2 and Identity text %3 were Not Found", "Searching for Composer and Cover text and Identity text:", nullptr, false, false, false},
}};
// clang-format on

namespace {

void disablePageEntries(MultiWindow& window) {
    window.printShownEnabled = false;
    window.saveShownEnabled = false;
    window.notify();
}

// Scans on to the next hit with the progress count in the caption.
Scan scan(MultiWindow& window, store::RecordScanner& records, const store::MatchRule& rule,
          std::int32_t* hit) {
    BusyScope busy(window);
    const auto looked = [&window](std::int32_t count) { window.showSearchProgress(count); };
    return search::scanForNext(records, rule, looked, window.dialogs(), hit);
}

void printPage(MultiWindow& window, const QString& title) {
    window.pageTitle = title;
    PrintRecords(window);
    window.ClearArrays();
    print_conventions::endPrintJob(window.services().printJob, window.dialogs());
    window.clearDrawing();
}

void savePage(MultiWindow& window, FileTrouble& trouble) {
    Export(window, trouble, OnFailure::GoOn);
    showRecordedUpTo(window, !trouble.failed(mySearchFile()));
}

// Before the questions: each search starts its result files afresh, turns the page entries on
// and begins on an empty page.
void beginSearch(MultiWindow& window, const MultiSearch& search, FileTrouble& trouble) {
    QFile::remove(mySearchFile());
    QFile::remove(searchShortFile());
    window.status.clear();
    createEmpty(mySearchFile(), trouble);
    if (search.createsShortFile) createEmpty(searchShortFile(), trouble);
    window.printShownEnabled = true;
    window.saveShownEnabled = true;
    window.ClearArrays();
    window.clearDrawing();
    if (search.clearsPageTitle) window.pageTitle.clear();
    window.pageNumber = 0;
    window.progress = 0;
}

// A full page: printed (Yes) or recorded in the result files (No), and the scan goes on; false
// for Cancel, which ends the search with the page left on the window, and the record caption.
bool finishFullPage(MultiWindow& window, const MultiSearch& search, FileTrouble& trouble) {
    const Answer answer =
        window.dialogs().ask(common::kTitle, QStringLiteral("Shall I print these Opus Numbers?"),
                             Icon::Question, platform::Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) {
        printPage(window, QString::fromLatin1(search.pageTitle));
        if (search.printDisablesPrint) {
            window.printShownEnabled = false;
            window.notify();
        }
    } else {
        savePage(window, trouble);
        window.ClearArrays();
        window.clearDrawing();
    }
    return true;
}

// The last page: not full, or empty after a full one. `passedTheEnd`: the scan went past the last
// record to reach it.
void finishLastPage(MultiWindow& window, const MultiSearch& search, FileTrouble& trouble,
                    bool passedTheEnd) {
    const Answer answer =
        window.dialogs().ask(common::kTitle, QStringLiteral("Shall I print the Last Opus Numbers?"),
                             Icon::Question, platform::Buttons::YesNoCancel);
    if (answer == Answer::Yes) {
        const char* title =
            passedTheEnd && search.passingPageTitle ? search.passingPageTitle : search.pageTitle;
        printPage(window, QString::fromLatin1(title));
        window.printShownEnabled = false;
    } else if (answer == Answer::No) {
        savePage(window, trouble);
        window.saveShownEnabled = false;
    }
    window.showCA();
}

}  // namespace

void runMultiSearch(MultiWindow& window, const MultiSearch& search) {
    platform::Dialogs& dialogs = window.dialogs();
    FileTrouble trouble(dialogs, common::kTitle);
    beginSearch(window, search, trouble);

    const std::optional<QStringList> texts =
        search::askTexts(dialogs, search.boxes, search.warning);
    if (!texts) {
        disablePageEntries(window);
        return;
    }
    // Any Name looks in the five text fields; the Cover is never looked at.
    const store::MatchRule rule = search::matchRule(
        search::shapeOf(search.id), *texts,
        {Field::Identity, Field::Composer, Field::Title, Field::Orchestra, Field::Soloists});

    // One scan from record 1 to N, which goes on after each hit.
    store::RecordScanner records(window.file(), 1, window.N);
    bool found = false;
    bool passedTheEnd = false;
    int hitsOnPage = 0;
    for (;;) {
        std::int32_t hit = 0;
        const Scan result = scan(window, records, rule, &hit);
        if (result == Scan::Failed) {
            window.showCA();
            return;
        }
        if (result == Scan::PassedTheEnd) {
            if (found) {
                passedTheEnd = true;
                break;
            }
            dialogs.show(common::kTitle, search::notFoundText(search.notFound, *texts),
                         Icon::Information);
            window.showCA();
            disablePageEntries(window);
            return;
        }
        found = true;
        ++hitsOnPage;
        window.current = hit;
        window.ShowCR();
        if (hitsOnPage == kPageRows) {
            if (!finishFullPage(window, search, trouble)) return;
            hitsOnPage = 0;
            continue;
        }
        if (hit == window.N) break;
    }
    finishLastPage(window, search, trouble, passedTheEnd);
}

}  // namespace multi
