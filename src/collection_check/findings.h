#pragma once
// The kinds of finding, each made from what the pass kept: a kind's findings in the order the
// report lists them, at most kMaxFindingsPerKind of them and then a row that counts the rest.
// The ways catalogue numbers are written have a file of their own (number_spellings.h).

#include <cstdint>
#include <vector>

#include "collection_check/pass_records.h"
#include "collection_check/record_texts.h"
#include "collection_check/report.h"
#include "common/hash_table.h"

namespace collection_check {

using common::HashTable;

// The records a finding names, ascending, the first kMaxNumbers of them; `more` when a record
// beyond those was left out before.
void setNumbers(Finding& f, std::vector<std::int32_t> numbers, bool more = false);
// A kind that lists only its first or commonest findings ends in a row that counts the rest.
void addLeftOut(std::vector<Finding>& findings, FindingKind kind, std::int64_t leftOut);

// The same work catalogued more than once: works of one key, by their first record.
std::vector<Finding> duplicateWorkFindings(std::vector<Work> works, Texts& texts);

// One name written in more than one way, in any of the fields, commonest first. `names` in the
// order of their field and fold.
std::vector<Finding> nameVariantFindings(std::vector<Name> names, Texts& texts);

// Identities that differ only in case, and Identities stored with leading blanks, by their first
// record.
std::vector<Finding> identityCaseFindings(HashTable<Identity> identities,
                                          LeadingBlanks leadingBlanks);

// Names that none of their pick lists holds, commonest first. `names` in the order of their field
// and fold.
std::vector<Finding> unlistedNameFindings(const std::vector<Name>& names, const ListedNames& listed,
                                          Texts& texts);

// Records started and never filled in, then one row for the deleted ones: `deletedCount` of them,
// of which `deleted` are the first.
std::vector<Finding> unfinishedFindings(std::vector<std::int32_t> unfinished,
                                        const std::vector<std::int32_t>& deleted,
                                        std::int64_t deletedCount);

}  // namespace collection_check
