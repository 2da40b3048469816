#include "record/media_icon.h"

#include <array>

namespace record {

namespace {

struct IconRule {
    const char* contains[2];  // the Identity holds one of these (nullptr: unused)
    const char* file;
    const char* kind;  // what the kind of medium is called
};

// The order matters: "CD 45-45" is a single, "SACD 1" is not a plain CD, "DVD-A" not a plain DVD.
constexpr std::array<IconRule, 13> kIconRules = {{
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

}  // namespace

int mediaKindOf(QByteArrayView identity) {
    for (size_t i = 0; i < kIconRules.size(); ++i) {
        for (const char* text : kIconRules[i].contains) {
            if (text && identity.contains(QByteArrayView(text))) return static_cast<int>(i);
        }
    }
    return -1;
}

QString mediaIconFor(QByteArrayView identity) {
    const int kind = mediaKindOf(identity);
    return kind < 0 ? QString() : QString::fromLatin1(kIconRules[kind].file);
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
