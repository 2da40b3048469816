// The code page's fold, and the order of the sort tools: Latin before Greek, case and accents
// equal at first, then bytes.

#include <QTest>
#include <cstring>

#include "store/codepage.h"
#include "store/collation.h"

using store::compareFields;
using store::primaryKey;

namespace {

// A Composer field as it lies in the file: the code page's bytes, blank-padded to 45.
QByteArray field(const QString& text) {
    QByteArray bytes = store::toDisk(text);
    return bytes + QByteArray(45 - bytes.size(), ' ');
}

int sign(int n) {
    return (n > 0) - (n < 0);
}

}  // namespace

class CollationTest : public QObject {
    Q_OBJECT
private slots:
    void sortsBefore_data();
    void sortsBefore();
    void tiesAtFirstAreBrokenByTheBytes_data();
    void tiesAtFirstAreBrokenByTheBytes();
    void onlyIdenticalFieldsAreEqual();
    void foldsCaseAccentsAndFinalSigma_data();
    void foldsCaseAccentsAndFinalSigma();
};

void CollationTest::sortsBefore_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("case-blind, although 'B' < 'b'") << "bartok"
                                                    << "Brahms";
    QTest::newRow("case-blind, although 'a' > 'R'") << "Bach"
                                                    << "BRAHMS";
    QTest::newRow("a shorter name first") << "Bach"
                                          << "Bacharach";
    QTest::newRow("digits before letters") << "3 Tenors"
                                           << "abbado";
    QTest::newRow("punctuation before letters") << "Bach-Busoni"
                                                << "Bacharach";
    QTest::newRow("Latin before Greek") << "zelenka"
                                        << "Αλκαίος";
    QTest::newRow("Latin capitals before Greek") << "ZELENKA"
                                                 << "αλκαίος";
    QTest::newRow("accented capital among the Ω, not at its byte") << "Ψάλτης"
                                                                   << "Ώρες";
    QTest::newRow("accented small among the Ο, not at its byte") << "Μόρα"
                                                                 << "Μπαχ";
    QTest::newRow("ΐ among the Ι, not at its byte") << "Αλκαίος"
                                                    << "ΐα";
    QTest::newRow("Greek case-blind") << "Θεοδωράκης"
                                      << "ΞΑΡΧΑΚΟΣ";
    // Every Greek letter against the next one, in both cases, so a wrong place in the alphabet
    // shows whichever letter it is.
    const QString alphabet = QStringLiteral("αβγδεζηθικλμνξοπρστυφχψω");
    for (int i = 0; i + 1 < alphabet.size(); ++i) {
        const QString a = alphabet.mid(i, 1), b = alphabet.mid(i + 1, 1);
        QTest::addRow("%s < %s", qPrintable(a), qPrintable(b.toUpper())) << a << b.toUpper();
        QTest::addRow("%s < %s", qPrintable(a.toUpper()), qPrintable(b)) << a.toUpper() << b;
    }
}

void CollationTest::sortsBefore() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(compareFields(field(first), field(second)) < 0);
    QVERIFY(compareFields(field(second), field(first)) > 0);
    QVERIFY(primaryKey(field(first)) < primaryKey(field(second)));
}

void CollationTest::tiesAtFirstAreBrokenByTheBytes_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("Latin case") << "BACH"
                                << "bach";
    QTest::newRow("Latin mixed case") << "Bach, J.S."
                                      << "bACH, j.s.";
    QTest::newRow("Greek case and accents") << "ΣΚΑΛΚΩΤΑΣ"
                                            << "Σκαλκώτας";
    QTest::newRow("final sigma") << "ας"
                                 << "ΑΣ";
    const QString accented = QStringLiteral("άέήίόύώϊϋΐΰΆΈΉΊΌΎΏΪΫ");
    const QString plain = QStringLiteral("αεηιουωιυιυαεηιουωιυ");
    for (int i = 0; i < accented.size(); ++i) {
        const QString a = accented.mid(i, 1), b = plain.mid(i, 1);
        QTest::addRow("%s = %s", qPrintable(a), qPrintable(b)) << a << b;
        QTest::addRow("%s = %s", qPrintable(a), qPrintable(b.toUpper())) << a << b.toUpper();
    }
}

void CollationTest::tiesAtFirstAreBrokenByTheBytes() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    const QByteArray fa = field(a), fb = field(b);
    QCOMPARE(primaryKey(fa), primaryKey(fb));
    QCOMPARE(sign(compareFields(fa, fb)), sign(std::memcmp(fa.data(), fb.data(), 45)));
    QVERIFY(compareFields(fa, fb) != 0);
}

void CollationTest::onlyIdenticalFieldsAreEqual() {
    // Every byte on its own differs from every other one, undefined bytes of the code page too.
    for (int x = 0; x < 256; ++x) {
        const QByteArray a(1, char(x));
        QCOMPARE(compareFields(a, a), 0);
        for (int y = x + 1; y < 256; ++y) {
            const QByteArray b(1, char(y));
            QVERIFY2(
                compareFields(a, b) != 0 && sign(compareFields(a, b)) == -sign(compareFields(b, a)),
                qPrintable(QStringLiteral("bytes %1 and %2").arg(x).arg(y)));
        }
    }
}

void CollationTest::foldsCaseAccentsAndFinalSigma_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fold");
    QTest::newRow("Latin case") << "Bach, J.S. BWV 1007"
                                << "bach, j.s. bwv 1007";
    QTest::newRow("Greek capitals and final sigma") << "ΣΚΑΛΚΩΤΑΣ Σκαλκώτας"
                                                    << "σκαλκωτασ σκαλκωτασ";
    QTest::newRow("every accent and diaeresis") << "ΆΈΉΊΌΎΏάέήίόύώΪΫϊϋΐΰ"
                                                << "αεηιουωαεηιουωιυιυιυ";
    QTest::newRow("symbols stay") << "«µ·»–’ ~~~ 0-9 ΄΅"
                                  << "«µ·»–’ ~~~ 0-9 ΄΅";
}

void CollationTest::foldsCaseAccentsAndFinalSigma() {
    QFETCH(QString, text);
    QFETCH(QString, fold);
    QCOMPARE(store::fromDisk(store::folded(store::toDisk(text))), fold);
    QCOMPARE(store::folded(store::toDisk(fold)), store::toDisk(fold));
}

QTEST_APPLESS_MAIN(CollationTest)
#include "tst_collation.moc"
