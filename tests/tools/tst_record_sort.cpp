// Sorting the records of the collection by Composer and by Identity.

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>

#include "sort/record_sort.h"
#include "store/collation.h"
#include "store/store_error.h"
#include "support/collection_dir.h"

using sorting::sortCollection;
using sorting::SortSummary;
using store::Field;
using store::kRecordLength;

namespace {

// Records of {Identity, Composer, Title}; the Title names each record so the order can be read.
QByteArray collection(const QList<QStringList>& records) {
    QByteArray bytes;
    for (const QStringList& fields : records)
        bytes += testing::record(fields).bytes().toByteArray();
    return bytes;
}

QStringList titles(const QByteArray& bytes) {
    QStringList names;
    for (qsizetype at = 0; at + kRecordLength <= bytes.size(); at += kRecordLength) {
        names << store::OpusRecord::fromBytes(bytes.mid(at, kRecordLength)).trimmed(Field::Title);
    }
    return names;
}

QList<QByteArray> records(const QByteArray& bytes) {
    QList<QByteArray> list;
    for (qsizetype at = 0; at + kRecordLength <= bytes.size(); at += kRecordLength) {
        list << bytes.mid(at, kRecordLength);
    }
    return list;
}

}  // namespace

class RecordSortTest : public QObject {
    Q_OBJECT
private slots:
    void sortsByTheKey_data();
    void sortsByTheKey();
    void keepsEveryByteAndTheOrderOfTies();
    void keepsATrailingPartAtTheEnd_data();
    void keepsATrailingPartAtTheEnd();
    void aReadOnlyCollectionIsLeftAsItIs();
};

void RecordSortTest::sortsByTheKey_data() {
    QTest::addColumn<Field>("key");
    QTest::addColumn<QList<QStringList>>("input");
    QTest::addColumn<QStringList>("order");
    const QList<QStringList> mixed = {{"LP 3", "Schubert", "a"},
                                      {"CD 10", "bach", "b"},
                                      {"CD 2", "Albinoni", "c"},
                                      {"cd 1", "BACH", "d"}};
    QTest::newRow("by Composer") << Field::Composer << mixed << QStringList{"c", "d", "b", "a"};
    QTest::newRow("by Identity") << Field::Identity << mixed << QStringList{"d", "b", "c", "a"};
    QTest::newRow("equal keys keep their order") << Field::Composer
                                                 << QList<QStringList>{{"3", "Bach", "a"},
                                                                       {"1", "Albinoni", "b"},
                                                                       {"2", "Bach", "c"},
                                                                       {"0", "Bach", "d"},
                                                                       {"4", "Albinoni", "e"}}
                                                 << QStringList{"b", "e", "a", "c", "d"};
    QTest::newRow("deleted records last, in their order")
        << Field::Composer
        << QList<QStringList>{{"~~~", "", "a"},
                              {"2", "Vivaldi", "b"},
                              {"~~~", "", "c"},
                              {"1", "Albinoni", "d"},
                              {"~~~ later", "Aaron", "e"}}
        << QStringList{"d", "b", "a", "c", "e"};
    QTest::newRow("deleted records last by Identity too")
        << Field::Identity
        << QList<QStringList>{{"~~~", "", "a"}, {"Ωmega", "", "b"}, {"~", "", "c"}}
        << QStringList{"c", "b", "a"};
    QTest::newRow("Greek and Latin names")
        << Field::Composer << QList<QStringList>{{"1", "Ξαρχάκος", "a"},   {"2", "ΧΑΤΖΙΔΑΚΙΣ", "b"},
                                                 {"3", "Ώρες", "c"},       {"4", "Zelenka", "d"},
                                                 {"5", "Θεοδωράκης", "e"}, {"6", "Άλκης", "f"},
                                                 {"7", "αλκης", "g"},      {"8", "Σκαλκώτας", "h"},
                                                 {"9", "ΣΚΑΛΚΩΤΑΣ", "i"},  {"10", "albinoni", "j"}}
        << QStringList{"j", "d", "f", "g", "e", "a", "i", "h", "b", "c"};
    QTest::newRow("one record") << Field::Composer << QList<QStringList>{{"1", "Bach", "a"}}
                                << QStringList{"a"};
    QTest::newRow("no record") << Field::Identity << QList<QStringList>{} << QStringList{};
}

void RecordSortTest::sortsByTheKey() {
    QFETCH(Field, key);
    QFETCH(QList<QStringList>, input);
    QFETCH(QStringList, order);
    SortSummary summary;
    const QByteArray sorted = sortCollection(collection(input), key, &summary);
    QCOMPARE(titles(sorted), order);
    QCOMPARE(summary.records, input.size());
    QCOMPARE(summary.changed, titles(collection(input)) != order);
}

void RecordSortTest::keepsEveryByteAndTheOrderOfTies() {
    // Random bytes everywhere, the padding and the undefined bytes of the code page included, with
    // keys drawn from a few names in random case so that many are equal; the last four bytes of a
    // record hold its old position.
    QRandomGenerator random(1253);
    const QList<QByteArray> names = {"bach",         "BACH", "Bach", "\xe2\xdc\xf7",
                                     "\xc2\xc1\xd7", "",     "~~~"};
    QByteArray input;
    for (qint32 i = 0; i < 3000; ++i) {
        QByteArray r(kRecordLength, Qt::Uninitialized);
        for (char& c : r) c = char(random.bounded(256));
        for (Field key : {Field::Identity, Field::Composer}) {
            const QByteArray name = names[random.bounded(names.size())];
            if (random.bounded(4) != 0) {
                r.replace(store::fieldOffset(key), store::fieldWidth(key),
                          name + QByteArray(store::fieldWidth(key) - name.size(), ' '));
            }
        }
        r.replace(kRecordLength - 4, 4, QByteArray::fromRawData(reinterpret_cast<char*>(&i), 4));
        input += r;
    }
    auto position = [](const QByteArray& r) {
        qint32 i;
        std::memcpy(&i, r.constData() + kRecordLength - 4, 4);
        return i;
    };
    for (Field key : {Field::Identity, Field::Composer}) {
        const QList<QByteArray> sorted = records(sortCollection(input, key));
        QList<QByteArray> before = records(input), after = sorted;
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        QVERIFY(before == after);

        auto isDeleted = [](const QByteArray& r) { return r.startsWith("~~~"); };
        QVERIFY(std::any_of(sorted.begin(), sorted.end(), isDeleted));
        for (qsizetype i = 1; i < sorted.size(); ++i) {
            const QByteArray& a = sorted[i - 1];
            const QByteArray& b = sorted[i];
            const QString where = QStringLiteral("records %1 and %2").arg(i - 1).arg(i);
            if (isDeleted(a) != isDeleted(b)) {
                QVERIFY2(isDeleted(b), qPrintable(where + " (a record after a deleted one)"));
                continue;
            }
            const QByteArrayView fa = QByteArrayView(a).sliced(store::fieldOffset(key), 45);
            const QByteArrayView fb = QByteArrayView(b).sliced(store::fieldOffset(key), 45);
            const int order = isDeleted(a) ? 0 : store::compareFields(fa, fb);
            QVERIFY2(order < 0 || (order == 0 && position(a) < position(b)), qPrintable(where));
        }
    }
}

void RecordSortTest::keepsATrailingPartAtTheEnd_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("one byte") << 1;
    QTest::newRow("less than half a record") << 100;
    QTest::newRow("more than half a record") << 300;
    QTest::newRow("a record less one byte") << kRecordLength - 1;
}

void RecordSortTest::keepsATrailingPartAtTheEnd() {
    QFETCH(int, length);
    const QByteArray tail = QByteArray("~~~Tail") + QByteArray(length, '\xf2');
    const QByteArray input =
        collection({{"2", "Vivaldi", "a"}, {"~~~", "", "b"}, {"1", "Albinoni", "c"}}) +
        tail.left(length);
    SortSummary summary;
    const QByteArray sorted = sortCollection(input, Field::Composer, &summary);
    QCOMPARE(sorted.size(), input.size());
    QCOMPARE(titles(sorted), QStringList({"c", "a", "b"}));
    QCOMPARE(sorted.right(length), tail.left(length));
    QCOMPARE(summary.records, 3);
    QCOMPARE(summary.deleted, 1);
    QCOMPARE(summary.trailingBytes, length);
}

void RecordSortTest::aReadOnlyCollectionIsLeftAsItIs() {
    // Made read-only by hand: the superuser, whom the system lets write anything, must not turn
    // it back into a writable file either.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clasical.dat"));
    const QByteArray input = collection({{"2", "Vivaldi", "a"}, {"1", "Albinoni", "b"}});
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(input);
    }
    // The owner's, group's and others' bits (Qt's user bits say what this process may do).
    const auto kModeBits = QFile::Permissions(0x7077);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(path, readOnly));
    try {
        sorting::sortCollectionFile(path, Field::Composer);
        QFAIL("a read-only collection was sorted");
    } catch (const store::StoreError& e) {
        QCOMPARE(e.kind(), store::StoreError::Kind::WriteFailed);
        QVERIFY2(e.message().startsWith(QStringLiteral("cannot write ")), qPrintable(e.message()));
        QVERIFY2(e.message().endsWith(QStringLiteral("it is read-only")), qPrintable(e.message()));
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), input);
    QCOMPARE(QFile::permissions(path) & kModeBits, readOnly);
}

QTEST_APPLESS_MAIN(RecordSortTest)
#include "tst_record_sort.moc"
