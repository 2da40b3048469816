#pragma once
// The 22 searches that both windows offer, by what they look for: how many texts, and in which
// fields. The main window and multi mode each keep their own texts for them (prompts, titles,
// messages), looked up by the same SearchId.

#include <array>
#include <vector>

#include "store/opus_record.h"

namespace search {

enum class SearchKind {
    OneField,   // one text in one field
    AnyName,    // one text in any of several name fields, which each window chooses
    EveryText,  // two or three texts, each in its own field
};

// In the order of the windows' menus.
enum class SearchId {
    Identity,
    Composer,
    Title,
    Orchestra,
    Soloist,
    Cover,
    AnyName,
    ComposerTitle,
    TitleOrchestra,
    OrchestraSoloist,
    TitleSoloist,
    ComposerOrchestra,
    ComposerSoloist,
    IdComposer,
    IdTitle,
    IdOrchestra,
    IdSoloist,
    IdCover,
    IdComposerTitle,
    IdComposerOrchestra,
    IdComposerSoloist,
    IdComposerCover,
};
inline constexpr int kSearchCount = 22;

struct SearchShape {
    SearchKind kind;
    std::vector<store::Field> fields;  // one per typed text, in the order asked; none for AnyName

    // How many texts the search asks for.
    int texts() const { return kind == SearchKind::AnyName ? 1 : int(fields.size()); }
};

const SearchShape& shapeOf(SearchId id);

}  // namespace search
