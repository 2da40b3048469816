#include "quick_find/query.h"

#include "store/codepage.h"
#include "store/collation.h"

namespace quick_find {

namespace {

// Latin letters that no decomposition takes apart, as the letters a collection would hold them by.
struct Spelling {
    char16_t letter;
    const char* latin;
};
constexpr Spelling kPlainSpellings[] = {
    {u'ø', "o"},  {u'ł', "l"},  {u'đ', "d"},  {u'ħ', "h"},  {u'ı', "i"},
    {u'ß', "ss"}, {u'æ', "ae"}, {u'œ', "oe"}, {u'þ', "th"}, {u'ð', "d"},
};

bool isMark(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Appends the folded bytes of one typed character; false when the code page has no way to hold
// it.
bool appendFolded(QByteArray& out, QChar c) {
    if (isMark(c)) return true;  // an accent typed on its own
    if (store::canStore(c.unicode())) {
        out += static_cast<char>(
            store::foldByte(static_cast<unsigned char>(store::toDisk(QStringView(&c, 1)).front())));
        return true;
    }
    const QString parts = QString(c).normalized(QString::NormalizationForm_D);
    if (parts != QString(c)) {
        for (QChar part : parts) {
            if (!appendFolded(out, part)) return false;
        }
        return true;
    }
    const QChar small = c.toLower();
    for (const Spelling& s : kPlainSpellings) {
        if (small.unicode() == s.letter) {
            out += s.latin;
            return true;
        }
    }
    return small != c && appendFolded(out, small);
}

Word foldWord(QStringView typed) {
    Word word;
    for (QChar c : typed) {
        if (!appendFolded(word.letters, c)) word.impossible = true;
    }
    for (char b : word.letters) {
        if (store::isGreekLetter(static_cast<unsigned char>(b))) word.script = store::Script::Greek;
    }
    return word;
}

}  // namespace

std::vector<Word> parseQuery(const QString& typed) {
    std::vector<Word> words;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= typed.size(); ++i) {
        if (i < typed.size() && !typed[i].isSpace()) continue;
        if (i > start) {
            Word word = foldWord(QStringView(typed).mid(start, i - start));
            // A word of accents alone holds no letter to look for.
            if (!word.letters.isEmpty() || word.impossible) words.push_back(std::move(word));
        }
        start = i + 1;
    }
    return words;
}

}  // namespace quick_find
