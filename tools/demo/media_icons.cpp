// The table of media icons and the writing of their files.
#include "media_icons.h"

#include <QDir>
#include <array>

#include "media_icon_parts.h"
#include "paint_kit.h"

namespace pictures {

namespace {

struct IconKind {
    const char* name;
    void (*draw)(QPainter&);
};

constexpr std::array<IconKind, 13> kIcons = {{
    {"45", icons::drawSingle45},
    {"78", icons::drawShellac78},
    {"Sa", icons::drawSuperAudioCd},
    {"Cd", icons::drawCompactDisc},
    {"Da", icons::drawDvdAudio},
    {"Dv", icons::drawDvd},
    {"Lp", icons::drawLongPlay},
    {"Dt", icons::drawDatCassette},
    {"Rl", icons::drawReel},
    {"Dc", icons::drawDcc},
    {"Mc", icons::drawCompactCassette},
    {"Vc", icons::drawVideoCassette},
    {"Md", icons::drawMiniDisc},
}};

}  // namespace

QStringList mediaIconNames() {
    QStringList names;
    for (const IconKind& kind : kIcons) names << QString::fromLatin1(kind.name);
    return names;
}

QImage mediaIcon(const QString& name) {
    for (const IconKind& kind : kIcons) {
        if (name != QLatin1String(kind.name)) continue;
        QImage image = canvas(icons::kIconSize, icons::kIconSize, icons::windowColour());
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        kind.draw(p);
        return image;
    }
    return {};
}

void makeMediaIcons(const QString& folder) {
    for (const QString& name : mediaIconNames())
        saveJpeg(mediaIcon(name), QDir(folder).filePath(name + QStringLiteral(".jpg")), 92);
}

}  // namespace pictures
