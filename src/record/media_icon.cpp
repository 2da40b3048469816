#include "record/media_icon.h"

#include <array>

namespace record {

namespace {

struct IconRule {
    const char* contains[2];  // the Identity holds one of these (nullptr: unused)
    const char* file;
};

// The order matters: "CD 45-45" is a single, "SACD 1" is not a plain CD, "DVD-A" not a plain DVD.
constexpr std::array<IconRule, 13> kIconRules = {{
    {{"r45", "-45"}, "45.jpg"},
    {{"r78", "-78"}, "78.jpg"},
    {{"SACD", nullptr}, "Sa.jpg"},
    {{"CD", nullptr}, "Cd.jpg"},
    {{"DVD-A", nullptr}, "Da.jpg"},
    {{"DVD", nullptr}, "Dv.jpg"},
    {{"LP", nullptr}, "Lp.jpg"},
    {{"DAT", nullptr}, "Dt.jpg"},
    {{"REEL", nullptr}, "Rl.jpg"},
    {{"DCC", nullptr}, "Dc.jpg"},
    {{"MC", nullptr}, "Mc.jpg"},
    {{"VC", nullptr}, "Vc.jpg"},
    {{"MD", nullptr}, "Md.jpg"},
}};

}  // namespace

QString mediaIconFor(QByteArrayView identity) {
    for (const IconRule& rule : kIconRules) {
        for (const char* text : rule.contains) {
            if (text && identity.contains(QByteArrayView(text)))
                return QString::fromLatin1(rule.file);
        }
    }
    return {};
}

}  // namespace record
