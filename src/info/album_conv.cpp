#include "info/album_conv.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "ui/twips.h"

namespace info {

using ui::rectTw;

namespace {

const char* const kDedication =
    "Sonvella is dedicated to the memory of Johann Sebastian Bach.\n"
    "\n"
    "Bach was born in Eisenach, in Thuringia, on 21 March 1685, into a family that had made "
    "music for generations. Orphaned at the age of nine, he was brought up by his elder brother "
    "Johann "
    "Christoph, an organist in Ohrdruf, and went on to serve as organist in Arnstadt and "
    "Mühlhausen, as court organist and concertmaster in Weimar, and as Kapellmeister to the "
    "prince of Anhalt-Köthen. From 1723 until his death he was Thomaskantor in Leipzig, "
    "responsible for the music of the city's main churches. He died in Leipzig on 28 July 1750.\n"
    "\n"
    "He wrote for every form of his time except opera: some two hundred surviving church "
    "cantatas, the St John and St Matthew Passions, the Mass in B minor, the Christmas Oratorio, "
    "the six Brandenburg Concertos, the suites for orchestra, the sonatas and partitas for solo "
    "violin, the six suites for solo cello, the two books of The Well-Tempered Clavier, the "
    "Goldberg Variations, The Musical Offering and The Art of Fugue, and a lifetime of music for "
    "the organ.\n"
    "\n"
    "After his death his music was known mostly to musicians, until Felix Mendelssohn conducted "
    "the St Matthew Passion in Berlin in 1829 and brought it back to the concert hall. Today his "
    "works are numbered by the catalogue of Wolfgang Schmieder, the Bach-Werke-Verzeichnis (BWV), "
    "first published in 1950.\n"
    "\n"
    "Every collection of recorded music owes him a shelf. May this catalogue help you find, "
    "among your own recordings, the next one you want to hear.";

}  // namespace

AlbumConv::AlbumConv() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AlbumConv"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sonvella 4.0 - In Memory of Johann Sebastian Bach"));
    setFixedSize(ui::px(7200), ui::px(7560));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ui::kLightYellow);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* label1 = new QLabel(QStringLiteral("Johann Sebastian Bach (1685-1750)"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(rectTw(240, 180, 6720, 420));
    label1->setAlignment(Qt::AlignCenter);
    QFont heading = label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    label1->setFont(heading);

    auto* text1 = new QPlainTextEdit(QString::fromUtf8(kDedication), this);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setGeometry(rectTw(240, 720, 6720, 6600));
    text1->setReadOnly(true);
    text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

}  // namespace info
