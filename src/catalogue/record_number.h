#pragma once
// The catalogue number of a whole record, as Quick Find, the Works window and the Collection Check
// read it: the first number of its Title that counts for the composer its Composer field names, or
// where the Title has none the first of its Cover; and the bytes it is written with, which tell the
// ways of writing one number apart.

#include <QByteArrayView>
#include "catalogue/catalogue_number.h"
#include "catalogue/composers.h"
#include "common/hash_table.h"

namespace catalogue {

// `record`: the 455 bytes of a record as stored.
CatalogueNumber recordNumber(const char* record, Composer composer);

// A number with the bytes of the field it is written with, from the catalogue's letters to the end
// of the number: "BWV 988", "bwv. 988", "Op.27 No.2". Empty for no number.
struct WrittenNumber {
    CatalogueNumber number;
    QByteArrayView written;
};
WrittenNumber writtenRecordNumber(const char* record, Composer composer);
// Where `number`, found in `text` for `composer`, is written there; empty when it is not.
QByteArrayView writtenIn(QByteArrayView text, Composer composer, CatalogueNumber number);

// The composers of the Composer fields a pass meets, each spelling recognised once: a collection
// of a million records holds a few thousand spellings, and recognising one takes a while.
class ComposerCache {
public:
    // `field`: a Composer field as stored.
    Composer of(QByteArrayView field);

private:
    common::HashTable<Composer> known_;  // by the field's bytes
};

}  // namespace catalogue
