#include "search/search_commands.h"

#include "record/record_window.h"
#include "search/forward_search.h"

namespace search {

using store::Field;
using S = SearchId;

// clang-format off
const std::array<SearchCommand, kSearchCount> kSearchCommands = {{
    // The six single-field searches.
    {S::Identity, "cmdFindISBN", "mnuSearch", "mnuISBN",
     "&Identity", Qt::Key_F5, "mnuSepFind1",
     {{"Find Identity:", "Sonvella 4.0: Find Identity"}},
     nullptr, "CD Identiry %1 was Not Found"},
    {S::Composer, "cmdFindAuthor", "mnuSearch", "mnuAuthor",
     "&Composer", Qt::Key_F6, nullptr,
     {{"Find Composer:", "Sonvella 4.0: Find Composer"}},
     nullptr, "Composer %1 was Not Found"},
    {S::Title, "cmdFindTitle", "mnuSearch", "mnuTitle",
     "&Title", Qt::Key_F7, nullptr,
     {{"Find Title:", "Sonvella 4.0: Find Title"}},
     nullptr, "Text %1 was Not Found"},
    {S::Orchestra, "cmdFindAlloi", "mnuSearch", "mnuAlloi",
     "&Orchestra", Qt::Key_F8, nullptr,
     {{"Find Orchestra/Conductor:", "Sonvella 4.0: Find Orchestra/Conductor"}},
     nullptr, "Orchestra/Conductor %1 was Not Found"},
    {S::Soloist, "cmdFindEkdot", "mnuSearch", "mnuEkdot",
     "&Soloists", Qt::Key_F9, nullptr,
     {{"Find Soloist:", "Sonvella 4.0: Find Soloist"}},
     nullptr, "Soloist %1 was Not Found"},
    {S::Cover, "cmdCover", "mnuSearch", "mnuCover",
     "Co&ver", Qt::Key_F11, nullptr,
     {{"Find Text in Cover:", "Sonvella 4.0: Find Text in Cover"}},
     nullptr, "The text %1 was Not Found"},

    // Any Name: one text in four fields; Identity and Cover are never looked at.
    {S::AnyName, nullptr, "mnuSearch", "mnuAnyAuthorTitle",
     "Any &Name", Qt::SHIFT | Qt::Key_F6, "mnuSepFind2",
     {{"Find Any Name in Composer or Title or Orchestra/Conductor or Soloist Text Box:", "Sonvella 4.0: Find Any Name"}},
     nullptr, "Name %1 was Not Found"},

    // Seek: two texts in two fields.
    {S::ComposerTitle, nullptr, "mnuSearch1", "mnuAuthorTitle",
     "Composer and Title", Qt::CTRL | Qt::Key_F6, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Title"},
       {"and Title:", "Sonvella 4.0: Search for Title and Composer"}},
     "Please type both the name of the Composer and the Title text",
     "Composer %1 and Title Text %2 were Not Found"},
    {S::TitleOrchestra, nullptr, "mnuSearch1", "mnuTitleAlloi",
     "Title and Orchestra", Qt::CTRL | Qt::Key_F7, nullptr,
     {{"Search for Title and:", "Sonvella 4.0: Search for Title and Orchestra"},
       {"and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Title"}},
     "Please type both Title text and the Orchestra/Conductor",
     "Title Text %1 and Orchestra/Conductor %2 were Not Found"},
    {S::OrchestraSoloist, nullptr, "mnuSearch1", "mnuAlloiEkdot",
     "Orchestra and Soloists", Qt::CTRL | Qt::Key_F8, nullptr,
     {{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search for Orchestra and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Orchestra"}},
     "Please type both Orchestra/Conductor and Soloist Names",
     "Orchestra/Conductor %1 and Soloist %2 were Not Found"},
    {S::TitleSoloist, nullptr, "mnuSearch1", "mnuTitleEkdot",
     "Title and Soloists", Qt::CTRL | Qt::Key_F9, "mnuSepSeek",
     {{"Search for Title and:", "Sonvella 4.0: Search for Title and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Title"}},
     "Please type both Title Text and the Name of the Soloist",
     "Text Title %1 and Soloist %2 were Not Found"},
    {S::ComposerOrchestra, nullptr, "mnuSearch1", "mnuAuthorAlloi",
     "Composer and Orchestra", Qt::CTRL | Qt::Key_F11, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Orchestra"},
       {"and Orchestra/Conductor:", "Sonvella 4.0: Search for Orchestra and Composer"}},
     "Please type both the Composer and Orchestra/Conductor Names",
     "Composer %1 and Orchestra/Conductor %2 were Not Found"},
    {S::ComposerSoloist, nullptr, "mnuSearch1", "mnuAuthorEkdot",
     "Composer and Soloists", Qt::CTRL | Qt::Key_F12, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search for Composer and Soloist"},
       {"and Soloist:", "Sonvella 4.0: Search for Soloist and Composer"}},
     "Please type both Composer and Soloist Names",
     "Composer %1 and Soloist %2 were Not Found"},

    // ID+Lookup: a text in a field and a text in the Identity.
    {S::IdComposer, nullptr, "mnuLookup", "mnuIDComposer",
     "Composer and Identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F6, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity, Composer"}},
     "Please type both the name of the Composer and the Identity text",
     "Composer %1 and Identity Text %2 were Not Found"},
    {S::IdTitle, nullptr, "mnuLookup", "mnuIDtitle",
     "Title and Identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F7, nullptr,
     {{"Search for Title and:", "Sonvella 4.0: Search Title and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Title"}},
     "Please type both Title text and Identity text",
     "Title Text %1 and Identity text %2 were Not Found"},
    {S::IdOrchestra, nullptr, "mnuLookup", "mnuIDorchestra",
     "Orchestra/Conductor and Identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F8, nullptr,
     {{"Search for Orchestra/Conductor and:", "Sonvella 4.0: Search Orchestra and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Orchestra"}},
     "Please type both Orchestra/Conductor Names and  Identity text",
     "Orchestra/Conductor %1 and Identity text %2 were Not Found"},
    {S::IdSoloist, nullptr, "mnuLookup", "mnuIDsoloists",
     "Soloists and identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F9, nullptr,
     {{"Soloist:", "Sonvella 4.0: Search Soloist and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Soloist"}},
     "Please type both Soloist Names and Identity text",
     "Soloist %1 Identity text %2 were Not Found"},
    {S::IdCover, nullptr, "mnuLookup", "mnuIDcover",
     "Cover and Identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F11, nullptr,
     {{"Cover text:", "Sonvella 4.0: Search Cover and Identity"},
       {"and Identity text:", "Sonvella 4.0: Search Identity and Cover"}},
     "Please type both Cover text and Identity text",
     "Cover text %1 Identity text %2 were Not Found"},

    // ID+Search: a Composer text, a text in a second field and an Identity text.
    {S::IdComposerTitle, nullptr, "mnuExtraSearch", "mnuIDComposerTitle",
     "Composer and Title and Identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F1, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Title, Id."},
       {"and Title:", "Sonvella 4.0: Search Title, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Title"}},
     "Please type the name of the Composer and the Title text and the Identity text.",
     "Composer %1 and Title Text %2 and Identity Text %3 were Not Found"},
    {S::IdComposerOrchestra, nullptr, "mnuExtraSearch", "mnuIDComposerOrchestra",
     "Composer and &Orchestra and Identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F2, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Orchestra, Id."},
       {"and Orchestra/Conductor", "Sonvella 4.0: Search Orchestra, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Orchestra"}},
     "Please type the name of the Composer and the Orchestra/Conductor and the Identity text.",
     "Composer %1 and Orchestra/Conductor %2 and Identity Text %3 were Not Found"},
    {S::IdComposerSoloist, nullptr, "mnuExtraSearch", "mnuIDComposerSoloist",
     "Composer and Soloist and Identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F3, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Soloist, Id."},
       {"and Soloist:", "Sonvella 4.0: Search Soloist, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Soloist"}},
     "Please type the name of the Composer and the name of the Soloist and the Identity text.",
     "Composer %1 and Soloist %2 and Identity Text %3 were Not Found"},
    {S::IdComposerCover, nullptr, "mnuExtraSearch", "mnuIDComposerCover",
     "Composer and Cover and identity", Qt::CTRL | Qt::SHIFT | Qt::Key_F4, nullptr,
     {{"Search for Composer and:", "Sonvella 4.0: Search Composer, Cover, Id."},
       {"and Cover text:", "Sonvella 4.0: Search Cover, Composer, Id."},
       {"and Identity text:", "Sonvella 4.0: Search Id., Composer, Cover"}},
     "Please type the name of the Composer and the Cover text and the Identity text.",
     "Composer %1 and Cover text %2 and Identity Text %3 were Not Found"},
}};
// clang-format on

void runSearch(record::RecordWindow& window, const SearchCommand& command) {
    window.resetSearchPosition();
    const std::optional<QStringList> texts =
        askTexts(window.dialogs(), command.boxes, command.warning);
    if (!texts) return;
    // Any Name looks in the four name fields; Identity and Cover are never looked at.
    const store::MatchRule rule =
        matchRule(shapeOf(command.id), *texts,
                  {Field::Soloists, Field::Orchestra, Field::Title, Field::Composer});
    ForwardSearch(window, rule, notFoundText(command.notFound, *texts));
}

}  // namespace search
