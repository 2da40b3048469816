#pragma once
// The eight name-list files that feed the pick lists: plain text in the code page, one name a line
// as the program writes them, read item by item (commas, quotes and line ends separate items).

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>

namespace store {

// One of the eight lists, in the order they are loaded.
struct NameListInfo {
    const char* file;  // bare file name, found in the current directory
    const char* word;  // how a message names an entry of this list ("Composer <")
};

inline constexpr std::array<NameListInfo, 8> kNameLists = {{
    {"Composers.txt", "Composer <"},
    {"Conductors.txt", "Conductor <"},
    {"Title.txt", "Title text <"},
    {"Orchestras.txt", "Orchestra <"},
    {"AKSoloists.txt", "Soloist <"},
    {"LZSoloists.txt", "Soloist <"},
    {"Vocal.txt", "Vocal/Choir <"},
    {"Labels.txt", "Label <"},
}};

// Splits the bytes of a list file into its items. An item ends at a comma or a line end (CR LF,
// CR or LF); blanks before an item are skipped and an unquoted item loses its trailing blanks; an
// item that begins with a double quote runs to the next double quote on its line, and the rest up
// to the next comma or line end is skipped. An empty line gives an empty item; the line end of the
// last line does not start another item.
QStringList parseNameList(QByteArrayView bytes);

// Appends every item of the file to the list. Throws StoreError: NotFound for a missing file,
// Empty for a file of no bytes, Unreadable when it cannot be read.
void LoadNameList(const QString& file, QStringList& list);

// The bytes AppendNameToList would add to the file now: the name (quoted when it holds a comma
// and no double quote) and CR LF, after a CR LF when the file's last line has no line end.
QByteArray nameListLine(const QString& file, const QString& name);

// Adds a line holding the name at the end of the file (created when missing). A name holding a
// comma and no double quote is written between double quotes, so that it reads back as one name.
// An append that cannot be completed leaves the file as it was. Throws StoreError (WriteFailed).
void AppendNameToList(const QString& file, const QString& name);

}  // namespace store
