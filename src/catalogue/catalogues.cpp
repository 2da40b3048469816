#include "catalogue/catalogues.h"

#include <iterator>

namespace catalogue {

namespace {

using C = Catalogue;
using P = Composer;
using S = Shape;

// clang-format off
constexpr CatalogueRow kCatalogues[] = {
    // catalogue     shown    spellings        counts only for       shape           sep  sub
    {C::BWV,         "BWV",   u"bwv",          P::Unknown,           S::Plain,       0,   false},
    {C::BuxWV,       "BuxWV", u"buxwv",        P::Unknown,           S::Plain,       0,   false},
    {C::HWV,         "HWV",   u"hwv",          P::Unknown,           S::Plain,       0,   false},
    {C::TWV,         "TWV",   u"twv",          P::Unknown,           S::NumberGroup, ':', false},
    {C::RV,          "RV",    u"rv",           P::Unknown,           S::Plain,       0,   false},
    {C::Hob,         "Hob.",  u"hob",          P::Unknown,           S::RomanGroup,  ':', false},
    {C::Koechel,     "K.",    u"k kv",         P::Mozart,            S::Plain,       0,   false},
    {C::Kirkpatrick, "K.",    u"k kk",         P::DomenicoScarlatti, S::Plain,       0,   false},
    {C::Longo,       "L.",    u"l",            P::DomenicoScarlatti, S::Plain,       0,   false},
    {C::Deutsch,     "D.",    u"d",            P::Schubert,          S::Plain,       0,   true},
    {C::Op,          "Op.",   u"op opus εργο", P::Unknown,           S::Plain,       0,   true},
    {C::WoO,         "WoO",   u"woo",          P::Unknown,           S::Plain,       0,   true},
    {C::Searle,      "S.",    u"s",            P::Liszt,             S::Plain,       0,   true},
    {C::LW,          "LW",    u"lw",           P::Liszt,             S::Series,      0,   false},
    {C::Sz,          "Sz.",   u"sz",           P::Bartok,            S::Plain,       0,   true},
    {C::BB,          "BB",    u"bb",           P::Bartok,            S::Plain,       0,   true},
    {C::TrV,         "TrV",   u"trv",          P::Unknown,           S::Plain,       0,   false},
    {C::WAB,         "WAB",   u"wab",          P::Unknown,           S::Plain,       0,   false},
    {C::Wq,          "Wq.",   u"wq",           P::CPEBach,           S::Plain,       0,   true},
    {C::Helm,        "H.",    u"h",            P::CPEBach,           S::Plain,       0,   false},
    {C::Burghauser,  "B.",    u"b",            P::Dvorak,            S::Plain,       0,   true},
    {C::Lesure,      "L.",    u"l",            P::Debussy,           S::Plain,       0,   true},
    {C::Marnat,      "M.",    u"m",            P::Ravel,             S::Plain,       0,   false},
    {C::FP,          "FP",    u"fp",           P::Poulenc,           S::Plain,       0,   false},
    {C::JW,          "JW",    u"jw",           P::Janacek,           S::RomanGroup,  '/', false},
};
// clang-format on

constexpr bool inCatalogueOrder() {
    for (int i = 0; i < int(std::size(kCatalogues)); ++i) {
        if (int(kCatalogues[i].catalogue) != i + 1) return false;
    }
    return int(std::size(kCatalogues)) + 1 == int(Catalogue::Count);
}
static_assert(inCatalogueOrder(), "one row per catalogue, in the order of the enum");

}  // namespace

std::span<const CatalogueRow> catalogueTable() {
    return kCatalogues;
}

const CatalogueRow& catalogueRow(Catalogue catalogue) {
    return kCatalogues[int(catalogue) - 1];
}

}  // namespace catalogue
