#include "search/search_shapes.h"

namespace search {

namespace {

using F = store::Field;
using K = SearchKind;

const std::array<SearchShape, kSearchCount> kShapes = {{
    {K::OneField, {F::Identity}},
    {K::OneField, {F::Composer}},
    {K::OneField, {F::Title}},
    {K::OneField, {F::Orchestra}},
    {K::OneField, {F::Soloists}},
    {K::OneField, {F::Cover}},
    {K::AnyName, {}},
    {K::EveryText, {F::Composer, F::Title}},
    {K::EveryText, {F::Title, F::Orchestra}},
    {K::EveryText, {F::Orchestra, F::Soloists}},
    {K::EveryText, {F::Title, F::Soloists}},
    {K::EveryText, {F::Composer, F::Orchestra}},
    {K::EveryText, {F::Composer, F::Soloists}},
    {K::EveryText, {F::Composer, F::Identity}},
    {K::EveryText, {F::Title, F::Identity}},
    {K::EveryText, {F::Orchestra, F::Identity}},
    {K::EveryText, {F::Soloists, F::Identity}},
    {K::EveryText, {F::Cover, F::Identity}},
    {K::EveryText, {F::Composer, F::Title, F::Identity}},
    {K::EveryText, {F::Composer, F::Orchestra, F::Identity}},
    {K::EveryText, {F::Composer, F::Soloists, F::Identity}},
    {K::EveryText, {F::Composer, F::Cover, F::Identity}},
}};

}  // namespace

const SearchShape& shapeOf(SearchId id) {
    return kShapes[static_cast<std::size_t>(id)];
}

}  // namespace search
