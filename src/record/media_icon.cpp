#include "record/media_icon.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "store/opus_record.h"

namespace record {

namespace {

struct IconRule {
    const char* contains[2];  // the Identity holds one of these (nullptr: unused)
    const char* file;
    const char* kind;  // what the kind of medium is called
};

// The order matters: "CD 45-45" is a single, "SACD 1" is not a plain CD, "DVD-A" not a plain DVD.
constexpr std::array<IconRule, kMediaKinds> kIconRules = {{
    {{"r45", "-45"}, "45.jpg", "45 rpm"},
    {{"r78", "-78"}, "78.jpg", "78 rpm"},
    {{"SACD", nullptr}, "Sa.jpg", "SACD"},
    {{"CD", nullptr}, "Cd.jpg", "CD"},
    {{"DVD-A", nullptr}, "Da.jpg", "DVD-Audio"},
    {{"DVD", nullptr}, "Dv.jpg", "DVD"},
    {{"LP", nullptr}, "Lp.jpg", "LP"},
    {{"DAT", nullptr}, "Dt.jpg", "DAT"},
    {{"REEL", nullptr}, "Rl.jpg", "Reel"},
    {{"DCC", nullptr}, "Dc.jpg", "DCC"},
    {{"MC", nullptr}, "Mc.jpg", "Cassette"},
    {{"VC", nullptr}, "Vc.jpg", "Video cassette"},
    {{"MD", nullptr}, "Md.jpg", "MiniDisc"},
}};

// The texts of all rules, each with the rule it belongs to, and for every byte the texts that
// begin with it: an Identity is then read once, and most of its bytes begin no text at all.
struct Texts {
    struct Text {
        const char* bytes;
        int length;
        int rule;
    };
    std::array<Text, 2 * kIconRules.size()> texts{};
    std::array<std::uint32_t, 256> beginningWith{};  // a bit for each text

    Texts() {
        int n = 0;
        for (size_t rule = 0; rule < kIconRules.size(); ++rule) {
            for (const char* text : kIconRules[rule].contains) {
                if (!text) continue;
                texts[n] = {text, int(std::strlen(text)), int(rule)};
                beginningWith[static_cast<unsigned char>(text[0])] |= 1u << n;
                ++n;
            }
        }
    }
};

}  // namespace

int mediaKindOf(QByteArrayView identity) {
    static const Texts all;
    // No text holds a blank: the blanks that pad the Identity need not be looked at.
    identity = store::trimBlankBytes(identity);
    // The first rule of the table that any text found belongs to, wherever it stands.
    int found = int(kIconRules.size());
    const char* bytes = identity.data();
    const qsizetype size = identity.size();
    for (qsizetype at = 0; at < size && found > 0; ++at) {
        for (std::uint32_t texts = all.beginningWith[static_cast<unsigned char>(bytes[at])];
             texts != 0; texts &= texts - 1) {
            const Texts::Text& text = all.texts[std::countr_zero(texts)];
            if (text.rule < found && text.length <= size - at &&
                std::memcmp(bytes + at, text.bytes, text.length) == 0)
                found = text.rule;
        }
    }
    return found == int(kIconRules.size()) ? -1 : found;
}

QString mediaIconFor(QByteArrayView identity) {
    const int kind = mediaKindOf(identity);
    return kind < 0 ? QString() : mediaIconFile(kind);
}

QString mediaIconFile(int kind) {
    return QString::fromLatin1(kIconRules[kind].file);
}

const QStringList& mediaKindNames() {
    static const QStringList names = [] {
        QStringList all;
        for (const IconRule& rule : kIconRules) all << QString::fromLatin1(rule.kind);
        return all;
    }();
    return names;
}

}  // namespace record
