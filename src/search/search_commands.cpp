#include "search/search_commands.h"

#include "main_window/record_window.h"
#include "search/forward_search.h"

namespace search {

using store::Field;
using K = SearchKind;

constexpr Field kNone = Field::Identity;  // unused slots

// clang-format off
const std::array<SearchCommand, 22> kSearchCommands = {{
    // The six single-field searches.
    {"cmdFindISBN", "mnuISBN", K::OneField, 1, {Field::Identity, kNone, kNone},
     {{{"Find Identity:", "Sonvella 4.0: Find Identity"}, {}, {}}},
     nullptr, "CD Identiry %1 was Not Found"},
    {"cmdFindAuthor", "mnuAuthor", K::OneField, 1, {Field::Composer, kNone, kNone},
     {{{"Find Composer:", "Sonvella 4.0: Find Composer"}, {}, {}}},
     nullptr, "Composer %1 was Not Found"},
    {"cmdFindTitle", "mnuTitle", K::OneField, 1, {Field::Title, kNone, kNone},
     {{{"Find Title:", "Sonvella 4.0: Find Title"}, {}, {}}},
     nullptr, "Text %1 was Not Found"},
    {"cmdFindAlloi", "mnuAlloi", K::OneField, 1, {Field::Orchestra, kNone, kNone},
     {{{"Find Orchestra/Conductor:", "Sonvella 4.0: Find Orchestra/Conductor"}, {}, {}}},
     nullptr, "Orchestra/Conductor %1 was Not Found"},
    {"cmdFindEkdot", "mnuEkdot", K::OneField, 1, {Field::Soloists, kNone, kNone},
     {{{"Find Soloist:", "Sonvella 4.0: Find Soloist"}, {}, {}}},
     nullptr, "Soloist %1 was Not Found"},
    {"cmdCover", "mnuCover", K::OneField, 1, {Field::Cover, kNone, kNone},
     {{{"Find Text in Cover:", "Sonvella 4.0: Find Text in Cover"}, {}, {}}},
     nullptr, "The text %1 was Not Found"},

    // Any Name: one text in four fields; Identity and Cover are never looked at.
    {nullptr, "mnuAnyAuthorTitle", K::AnyName, 1, {kNone, kNone, kNone},
     {{{"Find Any Name in Composer or Title or Orchestra/Conductor or Soloist Text Box:", "Sonvella 4.0: Find Any Name"}, {}, {}}},
     nullptr, "Name %1 was Not Found"},

    // Seek: two texts in two fields.
    {nullptr, "mnuAuthorTitle", K::EveryText, 2, {Field::Composer, Field::Title, kNone},
     {{{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Title"},
       {"and Title:", "Sonvella 4.0: Search for Title and Composer"}, {}}},
     "Please type both the name of the Composer and the Title text",
     "Composer %1 and Title Text %2 were Not Found"},
    {nullptr, "mnuTitleAlloi", K::EveryText, 2, {Field::Title, Field::Orchestra, kNone},
     {{{"Search for Title and:", "Sonvella 4.0: Search for Title and Orchestra"},
       {"and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Title"}, {}}},
     "Please type both Title text and the Orchestra/Conductor",
     "Title Text %1 and Orchestra/Conductor %2 were Not Found"},
    {nullptr, "mnuAlloiEkdot", K::EveryText, 2, {Field::Orchestra, Field::Soloists, kNone},
     {{{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search for Orchestra and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Orchestra"}, {}}},
     "Please type both Orchestra/Conductor and Soloist Names",
     "Orchestra/Conductor %1 and Soloist %2 were Not Found"},
    {nullptr, "mnuTitleEkdot", K::EveryText, 2, {Field::Title, Field::Soloists, kNone},
     {{{"Search for Title and:", "Sonvella 4.0: Search for Title and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Title"}, {}}},
     "Please type both Title Text and the Name of the Soloist",
     "Text Title %1 and Soloist %2 were Not Found"},
    {nullptr, "mnuAuthorAlloi", K::EveryText, 2, {Field::Composer, Field::Orchestra, kNone},
     {{{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Orchestra"},
       {"and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Composer"}, {}}},
     "Please type both the Composer and Orchestra/Conductor Names",
     "Composer %1 and Orchestra/Conductor %2 were Not Found"},
    {nullptr, "mnuAuthorEkdot", K::EveryText, 2, {Field::Composer, Field::Soloists, kNone},
     {{{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Composer"}, {}}},
     "Please type both Composer and Soloist Names",
     "Composer %1 and Soloist %2 were Not Found"},

    // ID+Lookup: a text in a field and a text in the Identity.
    {nullptr, "mnuIDComposer", K::EveryText, 2, {Field::Composer, Field::Identity, kNone},
     {{{"Search for Composer and:", "Sonvella 4.0: Search Composer, Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity, Composer"}, {}}},
     "Please type both the name of the Composer and the Identity text",
     "Composer %1 and Identity Text %2 were Not Found"},
    {nullptr, "mnuIDtitle", K::EveryText, 2, {Field::Title, Field::Identity, kNone},
     {{{"Search for Title and:", "Sonvella 4.0: Search Title and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Title"}, {}}},
     "Please type both Title text and Identity text",
     "Title Text %1 and Identity text %2 were Not Found"},
    {nullptr, "mnuIDorchestra", K::EveryText, 2, {Field::Orchestra, Field::Identity, kNone},
     {{{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search Orchestra and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Orchestra"}, {}}},
     "Please type both Orchestra/Conductor Names and  Identity text",
     "Orchestra/Conductor %1 and Identity text %2 were Not Found"},
    {nullptr, "mnuIDsoloists", K::EveryText, 2, {Field::Soloists, Field::Identity, kNone},
     {{{"Soloist:", "Sonvella 4.0: Search Soloist and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Soloist"}, {}}},
     "Please type both Soloist Names and Identity text",
     "Soloist %1 Identity text %2 were Not Found"},
    {nullptr, "mnuIDcover", K::EveryText, 2, {Field::Cover, Field::Identity, kNone},
     {{{"Cover text:", "Sonvella 4.0: Search Cover and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Cover"}, {}}},
     "Please type both Cover text and Identity text",
     "Cover text %1 Identity text %2 were Not Found"},

    // ID+Search: a Composer text, a text in a second field and an Identity text.
    {nullptr, "mnuIDComposerTitle", K::EveryText, 3, {Field::Composer, Field::Title, Field::Identity},
     {{{"Search for Composer and:", "Sonvella 4.0: Search Composer, Title, Id."},
       {"and Title:", "Sonvella 4.0: Search Title, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Title"}}},
     "Please type the name of the Composer and the Title text and the Identity text.",
     "Composer %1 and Title Text %2 and Identity Text %3 were Not Found"},
    {nullptr, "mnuIDComposerOrchestra", K::EveryText, 3, {Field::Composer, Field::Orchestra, Field::Identity},
     {{{"Search for Composer and:", "Sonvella 4.0: Search Composer, Orchestra, Id."},
       {"and Orchestra/Conductor", "Sonvella 4.0: Search Orchestra, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Orchestra"}}},
     "Please type the name of the Composer and the Orchestra/Conductor and the Identity text.",
     "Composer %1 and Orchestra/Conductor %2 and Identity Text %3 were Not Found"},
    {nullptr, "mnuIDComposerSoloist", K::EveryText, 3, {Field::Composer, Field::Soloists, Field::Identity},
     {{{"Search for Composer and:", "Sonvella 4.0: Search Composer, Soloist, Id."},
       {"and Soloist:", "Sonvella 4.0: Search Soloist, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Soloist"}}},
     "Please type the name of the Composer and the name of the Soloist and the Identity text.",
     "Composer %1 and Soloist %2 and Identity Text %3 were Not Found"},
    {nullptr, "mnuIDComposerCover", K::EveryText, 3, {Field::Composer, Field::Cover, Field::Identity},
     {{{"Search for Composer and:", "Sonvella 4.0: Search Composer, Cover, Id."},
       {"and Cover text:", "Sonvella 4.0: Search Cover, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Cover"}}},
     "Please type the name of the Composer and the Cover text and the Identity text.",
     "Composer %1 and Cover text %2 and Identity Text %3 were Not Found"},
}};
// clang-format on

void runSearch(main_window::RecordWindow& window, const SearchCommand& command) {
    window.searchPosition = 0;
    const std::optional<QStringList> texts =
        askTexts(window.dialogs(), command.boxes.data(), command.texts, command.warning);
    if (!texts) return;
    // Any Name looks in the four name fields; Identity and Cover are never looked at.
    const store::MatchRule rule =
        matchRule(command.kind, command.fields, *texts,
                  {Field::Soloists, Field::Orchestra, Field::Title, Field::Composer});
    ForwardSearch(window, rule, notFoundText(command.notFound, *texts));
}

}  // namespace search
