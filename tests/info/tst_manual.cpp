// The manual and the page about the demo collection, as shipped: they exist, are found for the
// names the program gives them, every link inside them leads somewhere, the manual explains every
// menu entry and the messages of the program, and its table of keys names the keys the two
// windows really have.

#include <QAction>
#include <QDir>
#include <QHash>
#include <QKeySequence>
#include <QRegularExpression>
#include <QSet>
#include <QShortcut>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "info/help_files.h"
#include "info/qt_help_viewer.h"
#include "main_window/frm_istoriki.h"
#include "multi/frm_multi.h"
#include "multi/multi_window.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "ui/key_preview.h"

namespace {

QString helpFolder() {
    return QStringLiteral(SONVELLA_SOURCE_DIR "/data/help");
}

QString readPage(const QString& name) {
    QFile file(QDir(helpFolder()).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList pages() {
    return QDir(helpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// The anchors of a page as the help window sees them (Qt's reading of the HTML), read once a page.
QSet<QString> anchorsOf(const QString& name) {
    static QHash<QString, QSet<QString>> known;
    if (known.contains(name)) return known.value(name);
    QTextDocument document;
    document.setHtml(readPage(name));
    QSet<QString>& anchors = known[name];
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QString& anchor : block.charFormat().anchorNames()) anchors << anchor;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& anchor : it.fragment().charFormat().anchorNames())
                anchors << anchor;
        }
    }
    return anchors;
}

QString plainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// Every key a window answers: the shortcuts of its menu entries, its own shortcuts (F10) and the
// keys its key handler takes whatever has the focus (Alt+X...).
QSet<QString> keysOf(QWidget* window) {
    QSet<QString> keys;
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) keys << action->shortcut().toString();
    }
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        keys << shortcut->key().toString();
    }
    for (QObject* child : window->children()) {
        if (const auto* preview = dynamic_cast<ui::KeyPreview*>(child)) {
            for (const QKeySequence& key : preview->keys()) keys << key.toString();
        }
    }
    return keys;
}

// The keys a cell of the manual's key table names: "Alt+Right, Alt+Page Down", or a run of
// function keys, "Ctrl+Shift+F6 to Ctrl+Shift+F9". Empty when a key cannot be read.
QStringList keysNamed(QString cell) {
    cell.replace(QLatin1String("Page Down"), QLatin1String("PgDown"));
    cell.replace(QLatin1String("Page Up"), QLatin1String("PgUp"));
    static const QRegularExpression run(QStringLiteral("^(.*F)(\\d+) to \\1(\\d+)$"));
    QStringList keys;
    for (const QString& part : cell.split(QLatin1Char(','))) {
        const QString named = part.trimmed();
        const QRegularExpressionMatch m = run.match(named);
        QStringList spelt{named};
        if (m.hasMatch()) {
            spelt.clear();
            for (int f = m.captured(2).toInt(); f <= m.captured(3).toInt(); ++f) {
                spelt << m.captured(1) + QString::number(f);
            }
        }
        for (const QString& key : spelt) {
            const QKeySequence sequence = QKeySequence::fromString(key);
            if (sequence.count() != 1 || sequence.toString() != key) return {};
            keys << key;
        }
    }
    return keys;
}

}  // namespace

class ManualTest : public QObject {
    Q_OBJECT
private slots:
    void theProgramsHelpFilesAreShipped_data();
    void theProgramsHelpFilesAreShipped();
    void theBuiltProgramFindsThem_data();
    void theBuiltProgramFindsThem();
    void everyLinkLeadsSomewhere_data();
    void everyLinkLeadsSomewhere();
    void theManualExplains_data();
    void theManualExplains();
    void theKeyTableNamesTheWindowsKeys();
};

void ManualTest::theProgramsHelpFilesAreShipped_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Help") << "Sonvel400.HLP";
    QTest::newRow("My Collection ...") << "BIBLIOGRAPHY.HLP";
}

void ManualTest::theProgramsHelpFilesAreShipped() {
    QFETCH(QString, name);
    const QString file = info::findHelpFile(name, {helpFolder()});
    QVERIFY2(!file.isEmpty(), qPrintable(name));
    QFile page(file);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(page.readAll()));
    QVERIFY(!document.metaInformation(QTextDocument::DocumentTitle).isEmpty());
    QVERIFY(document.characterCount() > 1000);
}

void ManualTest::theBuiltProgramFindsThem_data() {
    theProgramsHelpFilesAreShipped_data();
}

void ManualTest::theBuiltProgramFindsThem() {
    // The build puts the help files beside the programs, where an installed Sonvella looks too.
    QFETCH(QString, name);
    const QString file = info::findHelpFile(name, info::QtHelpViewer::installedFolders());
    QVERIFY2(!file.isEmpty(), qPrintable(info::QtHelpViewer::installedFolders().join(", ")));
    QFile built(file);
    QFile shipped(QDir(helpFolder()).filePath(info::shownHelpFileName(name)));
    QVERIFY(built.open(QIODevice::ReadOnly) && shipped.open(QIODevice::ReadOnly));
    QCOMPARE(built.readAll(), shipped.readAll());
}

void ManualTest::everyLinkLeadsSomewhere_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("href");
    // Links, and the pictures a page shows.
    static const QRegularExpression link(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    int links = 0;
    for (const QString& name : pages()) {
        auto it = link.globalMatch(readPage(name));
        while (it.hasNext()) {
            const QString href = it.next().captured(1);
            QTest::addRow("%s -> %s", qPrintable(name), qPrintable(href)) << name << href;
            ++links;
        }
    }
    QVERIFY2(links > 20, "the manual is held together by links");
}

void ManualTest::everyLinkLeadsSomewhere() {
    QFETCH(QString, page);
    QFETCH(QString, href);
    const QUrl url(href);
    QVERIFY2(url.isValid(), qPrintable(href));
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
        QSKIP("a web page: not followed here");
    }
    QVERIFY2(url.scheme().isEmpty(), "help pages link to each other by relative names");
    const QString target = url.path().isEmpty() ? page : url.path();
    QVERIFY2(QFileInfo::exists(QDir(helpFolder()).filePath(target)), qPrintable(target));
    if (url.hasFragment()) {
        QVERIFY2(anchorsOf(target).contains(url.fragment()),
                 qPrintable(QStringLiteral("no anchor %1 in %2").arg(url.fragment(), target)));
    }
}

void ManualTest::theManualExplains_data() {
    QTest::addColumn<QString>("text");
    // Menu entries, as their captions read without the access letter's mark.
    const char* const captions[] = {
        // The main window's menus.
        "Cover Image",
        "BackUp",
        "Media Counting",
        "Next Opus No",
        "Previous Opus No",
        "Multi Mode",
        "New Opus No",
        "Save Opus No",
        "Paste Opus No",
        "Delete Opus No",
        "Any Name",
        "Quick Find...",
        "Composer and Title",
        "Title and Orchestra",
        "Orchestra and Soloists",
        "Title and Soloists",
        "Composer and Orchestra",
        "Composer and Soloists",
        "Composer and Identity",
        "Title and Identity",
        "Orchestra/Conductor and Identity",
        "Soloists and identity",
        "Cover and Identity",
        "Composer and Title and Identity",
        "Composer and Orchestra and Identity",
        "Composer and Soloist and Identity",
        "Composer and Cover and identity",
        "Sort by Composer",
        "Sort by Identity",
        "Print Collection (6/A4)",
        "Print for Filing (3/A4)",
        "My Collection ...",
        "Johann Sebastian Bach (1685-1750)",
        "Shortcut Keys",
        "About ...",
        "Collection Check...",
        "Works...",
        "Export as CSV...",
        "Import from CSV...",
        "New Collection...",
        "Open Collection...",
        "Recent Collections",
        "Set Front Cover...",
        "Set Back Cover...",
        "Paste Cover from Clipboard",
        "Remove Covers...",
        // Multi mode's own entries.
        "Print Shown",
        "Save Shown",
        "Export by Identity",
        "Export by Composer",
        "By Opus No",
        "Soloitsts and Identity",
    };
    for (const char* caption : captions) {
        QString text = QString::fromUtf8(caption);
        text.remove(QLatin1Char(' '), Qt::CaseSensitive);  // compared without blanks, see below
        QTest::addRow("caption %s", caption) << text;
    }
    const char* const messages[] = {
        "One or More Files are Missing. Sonvella Will End",
        "Internal Error. Replace Files with your Back Up or Re-Install.",
        "was Saved",
        "Do you wish to Delete Opus Number",
        "You have typed Nothing or Zero(s) or hit <Esc>.",
        "This Opus Number is not empty.",
        "Please type a number between 1 and",
        "Last Opus Number Reached",
        "The collection could not be read:",
        "First Opus Number Reached",
        "was Not Found",
        "CD,DVD,LP or Tape Cover Image:",
        "Image Loading Error",
        "Back Cover image does not exist",
        "This Cover Image was copied to the Clipboard",
        "has been added to the list",
        "Do you Wish to Print Opus Number",
        "None Other Similar Opus Number Found",
        "were Not Found",
        "Please type both",
        "Please type the name of the Composer",
        "Shall I print these Opus Numbers?",
        "Shall I print the Last Opus Numbers?",
        "Search Results up to Opus Number",
        "Shall I Export Collection by Composer in Files",
        "All Opus Numbers have been Saved at:",
        "Opus Numbers have been Saved at:",
        "will be printed. Click on 'PRINT' to print all selected opus numbers",
        "Opus Number(s) you have selected by clicking",
        "Do you Wish to Print in Color?",
        "You must enter a number in BOTH input boxes",
        "Last number to print must be greater than First number to print.",
        "Please type numbers between 1 and",
        "has been completed",
        "No printer is installed: the printout was saved as",
        "Nothing was printed:",
        "Click on 'Yes' to select Default Destination Drive/Directory",
        "You changed the default instalation location during the original setup.",
        "Your classical music collection files have been copied to selected Drive/Directory.",
        "Partial or No Back Up files were copied.",
        "Destination disk is full. Partial or No Back Up files were copied.",
        "To Sort properly, you MUST NOT have used double quotes",
        "When the black window goes off, click to restart Sonvella.",
        "To use the Media Counting command with success",
        "You have catalogued <",
        "System Information Is Unavailable At This Time",
        "The help file",
        "could not be saved",
        "The collection could not be read:",
        "The Collection Check was saved in:",
        "The Collection Check could not be saved in:",
        "Leave out deleted records?",
        "records were written to:",
        "could not be written:",
        "is empty: there are no records in it to import.",
        "holds no records to import.",
        "holds only a row of column names: there are no records in it to import.",
        "is not a CSV file: it holds NUL bytes, as only binary files do.",
        "could not be read:",
        "Nothing was imported.",
        "records were imported as Opus Numbers",
        "The records could not be written into the collection:",
        "Nothing was imported: the collection is as it was.",
        "has changed since it was read.",
        "Replace accented Latin letters by the plain letter",
        "An import from CSV did not finish; the",
        "records it had added were removed.",
        "was moved aside to",
        "is read-only: it was not replaced.",
        "Backup.txt already exists. Do you want to replace it?",
        "The earlier export in that file was kept.",
        "was being saved when Sonvella stopped; it was put back as it was.",
        "Change history is off:",
        "Undo Last Change",
        "Change History...",
        "Restore This Version",
        "One or More Files are Missing.",
        "is not empty: a new collection needs a folder of its own.",
        "Replace the cover of",
        "Remove which covers of",
        "They are kept in",
        "It is kept in",
        "There is no cover picture of",
        "Cover written:",
        "(the old one kept as",
        "Cover removed, kept as",
        "This record has no Identity, and a cover is named after its first seven characters.",
        "cannot name a cover file: a file name cannot hold / \\ : * ? \" < > | or \"..\".",
        "The clipboard holds no picture.",
        ": not a picture Sonvella can read.",
        ": the picture is damaged or incomplete, and Sonvella cannot read it.",
        "more than the 100 megapixels Sonvella takes.",
        "the old picture cannot be kept in",
        "has no front cover (",
        "media has a front cover in",
    };
    for (const char* message : messages) {
        QString text = QString::fromUtf8(message);
        text.remove(QLatin1Char(' '));
        QTest::addRow("message %s", message) << text;
    }
}

void ManualTest::theManualExplains() {
    QFETCH(QString, text);
    // Blanks are left out of the comparison: the manual may break a long message over lines.
    static const QString manual = [] {
        QString all = plainText(readPage(QStringLiteral("Sonvel400.html")));
        all.remove(QRegularExpression(QStringLiteral("\\s")));
        all.replace(QChar(0x2029), QString());
        return all;
    }();
    QVERIFY2(manual.contains(text), qPrintable(text));
}

void ManualTest::theKeyTableNamesTheWindowsKeys() {
    testing::CollectionDir dir({{"No0001 CD", "Bach"}});
    testing::Fakes fakes;
    record::Session session;
    record::RecordWindow main(session, fakes.services());
    QVERIFY(main.Form_Load());
    main_window::FrmIstoriki mainWindow(main);
    multi::MultiWindow multi(fakes.services());
    QVERIFY(multi.Form_Load());
    multi::FrmMulti multiWindow(multi);
    const QSet<QString> mainKeys = keysOf(&mainWindow);
    const QSet<QString> multiKeys = keysOf(&multiWindow);

    // Key, main window, multi mode: a cell that is not empty says what the key does there.
    const QString html = readPage(QStringLiteral("Sonvel400.html"));
    const qsizetype from = html.indexOf(QLatin1String("<h2 id=\"keys\">"));
    QVERIFY(from >= 0);
    const QString table = html.mid(from, html.indexOf(QLatin1String("</table>"), from) - from);
    static const QRegularExpression row(
        QStringLiteral("<tr><td>(.*?)</td><td>(.*?)</td><td>(.*?)</td></tr>"));
    QStringList wrong;
    QSet<QString> inMain;
    QSet<QString> inMulti;
    for (auto it = row.globalMatch(table); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QStringList keys = keysNamed(plainText(m.captured(1)));
        if (keys.isEmpty()) wrong << QStringLiteral("cannot read %1").arg(m.captured(1));
        const bool ofMain = !m.captured(2).isEmpty();
        const bool ofMulti = !m.captured(3).isEmpty();
        for (const QString& key : keys) {
            if (ofMain) inMain << key;
            if (ofMulti) inMulti << key;
            if (ofMain != mainKeys.contains(key))
                wrong << key + QStringLiteral(" in the main window");
            if (ofMulti != multiKeys.contains(key)) wrong << key + QStringLiteral(" in multi mode");
        }
    }
    // And no key of either window is missing from the table.
    for (const QString& key : mainKeys - inMain) wrong << key + QStringLiteral(" not in the table");
    for (const QString& key : multiKeys - inMulti)
        wrong << key + QStringLiteral(" not in the table");
    wrong.sort();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    QVERIFY2(inMain.size() > 40 && inMulti.size() > 25, "the whole table was read");
}

QTEST_MAIN(ManualTest)
#include "tst_manual.moc"
