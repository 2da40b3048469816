// Unsigned numbers in as few bytes as they need: each written as its bytes and read back to its
// last byte, at the edges where one more byte is needed.

#include <QTest>
#include <limits>

#include "common/varint.h"

class VarintTest : public QObject {
    Q_OBJECT
private slots:
    void readsBackWhatItWrote_data();
    void readsBackWhatItWrote();
};

void VarintTest::readsBackWhatItWrote_data() {
    QTest::addColumn<quint64>("n");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero") << quint64(0) << QByteArray("\x00", 1);
    QTest::newRow("largest in one byte") << quint64(0x7F) << QByteArray("\x7F");
    QTest::newRow("smallest in two") << quint64(0x80) << QByteArray("\x80\x01");
    QTest::newRow("low bits first") << quint64(300) << QByteArray("\xAC\x02");
    QTest::newRow("largest in two") << quint64(0x3FFF) << QByteArray("\xFF\x7F");
    QTest::newRow("smallest in three") << quint64(0x4000) << QByteArray("\x80\x80\x01");
    QTest::newRow("largest of 32 bits")
        << quint64(0xFFFFFFFF) << QByteArray("\xFF\xFF\xFF\xFF\x0F");
    QTest::newRow("largest") << std::numeric_limits<quint64>::max()
                             << QByteArray("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x01");
}

void VarintTest::readsBackWhatItWrote() {
    QFETCH(quint64, n);
    QFETCH(QByteArray, bytes);
    QCOMPARE(common::varintSize(n), std::size_t(bytes.size()));
    char written[16] = {};
    const char* const end = common::putVarint(written, n);
    QCOMPARE(QByteArray(written, end - written), bytes);
    const char* at = bytes.constData();  // a byte of 0 follows: reading on would be seen
    QCOMPARE(common::takeVarint(at), n);
    QCOMPARE(qsizetype(at - bytes.constData()), bytes.size());
}

QTEST_APPLESS_MAIN(VarintTest)
#include "tst_varint.moc"
