#include "collection_check/record_texts.h"

#include "collection_check/check_fold.h"
#include "store/codepage.h"

namespace collection_check {

using store::Field;

const store::OpusRecord& Texts::record(std::int32_t opus) {
    auto it = records_.find(opus);
    if (it == records_.end()) it = records_.emplace(opus, read_(opus)).first;
    return it->second;
}

QString Texts::name(const Name& name) {
    const Field f = name.field == NameField::Composer
                        ? Field::Composer
                        : (name.field == NameField::Orchestra ? Field::Orchestra : Field::Soloists);
    const QByteArrayView field = record(name.firstOpus).field(f);
    QByteArrayView same, alike;
    const auto look = [&](QByteArrayView candidate) {
        if (same.isNull() && exactHash(candidate) == name.exact) same = candidate;
        if (alike.isNull() && nameFold(candidate) == name.folded) alike = candidate;
    };
    if (name.field == NameField::Composer) {
        look(store::trimBlankBytes(field));
    } else {
        forEachName(field, look);
    }
    const QByteArrayView chosen =
        !same.isNull() ? same : (!alike.isNull() ? alike : store::trimBlankBytes(field));
    return store::fromDisk(chosen);
}

}  // namespace collection_check
