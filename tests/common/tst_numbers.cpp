// Numbers as the program writes them and reads them when typed.

#include <QTest>

#include "common/numbered_text.h"
#include "common/numbers.h"

using common::NumberStatus;

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheSignPlace_data();
    void writesTheSignPlace();
    void readsTypedNumbers_data();
    void readsTypedNumbers();
    void readsDecimals();
    void aNumberedTextIsRewrittenInPlace();
};

void NumbersTest::writesTheSignPlace_data() {
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << " 0";
    QTest::newRow("twelve") << qint64(12) << " 12";
    QTest::newRow("negative") << qint64(-3) << "-3";
    QTest::newRow("large") << qint64(2147483647) << " 2147483647";
}

void NumbersTest::writesTheSignPlace() {
    QFETCH(qint64, n);
    QFETCH(QString, text);
    QCOMPARE(common::numberText(n), text);
}

void NumbersTest::readsTypedNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("value");
    const int ok = int(NumberStatus::Ok);
    QTest::newRow("plain") << "5" << ok << 5;
    QTest::newRow("leading zero") << "0346" << ok << 346;
    QTest::newRow("blanks around") << "  12 " << ok << 12;
    QTest::newRow("half rounds to even, up") << "7.5" << ok << 8;
    QTest::newRow("half rounds to even, down") << "2.5" << ok << 2;
    QTest::newRow("below half") << "2.49" << ok << 2;
    QTest::newRow("negative") << "-4" << ok << -4;
    QTest::newRow("plus sign") << "+9" << ok << 9;
    QTest::newRow("fraction only") << ".6" << ok << 1;
    QTest::newRow("zeros") << "000000" << ok << 0;
    QTest::newRow("empty") << "" << int(NumberStatus::Empty) << 0;
    QTest::newRow("blanks only") << "   " << int(NumberStatus::Empty) << 0;
    QTest::newRow("letters") << "abc" << int(NumberStatus::NotNumber) << 0;
    QTest::newRow("digits then letters") << "12a" << int(NumberStatus::NotNumber) << 0;
    QTest::newRow("blank inside") << "1 2" << int(NumberStatus::NotNumber) << 0;
    QTest::newRow("sign alone") << "-" << int(NumberStatus::NotNumber) << 0;
    QTest::newRow("point alone") << "." << int(NumberStatus::NotNumber) << 0;
    QTest::newRow("largest") << "2147483647" << ok << 2147483647;
    QTest::newRow("one past the largest") << "2147483648" << int(NumberStatus::TooLarge) << 0;
    QTest::newRow("rounds past the largest") << "2147483647.5" << int(NumberStatus::TooLarge) << 0;
    QTest::newRow("far too large")
        << QString(400, QLatin1Char('9')) << int(NumberStatus::TooLarge) << 0;
    QTest::newRow("smallest") << "-2147483648" << ok << int(-2147483648LL);
    QTest::newRow("too small") << "-2147483649" << int(NumberStatus::TooSmall) << 0;
}

void NumbersTest::readsTypedNumbers() {
    QFETCH(QString, typed);
    QFETCH(int, status);
    QFETCH(int, value);
    const common::TypedNumber n = common::readWholeNumber(typed);
    QCOMPARE(int(n.status), status);
    if (n.ok()) QCOMPARE(n.value, value);
}

void NumbersTest::readsDecimals() {
    double v = 0;
    QVERIFY(common::readDecimal(QStringLiteral(" 2.5 "), &v));
    QCOMPARE(v, 2.5);
    QVERIFY(!common::readDecimal(QStringLiteral("abc"), &v));
    QVERIFY(!common::readDecimal(QString(), &v));
}

void NumbersTest::aNumberedTextIsRewrittenInPlace() {
    // Counting up, down, past a new digit and below zero, with a reader holding copies: every
    // text is the one written afresh, and a copy taken keeps what it held.
    common::NumberedText progress(QStringLiteral("Opus No:"), QStringLiteral("  of"),
                                  QStringLiteral("!"));
    QString text;
    QStringList copies, expected;
    const std::vector<std::pair<qint64, qint64>> steps = {{0, 5},   {1, 5},  {9, 5},  {10, 5},
                                                          {11, 5},  {19, 5}, {20, 5}, {99, 5},
                                                          {100, 5}, {7, 5},  {-3, 5}, {-4, 12}};
    for (const auto& [first, second] : steps) {
        progress.write(text, first, second);
        const QString fresh =
            "Opus No:" + common::numberText(first) + "  of" + common::numberText(second) + "!";
        QCOMPARE(text, fresh);
        copies << text;
        expected << fresh;
    }
    text = QStringLiteral("something else");  // written by another hand
    progress.write(text, 1, 2);
    QCOMPARE(text, QStringLiteral("Opus No: 1  of 2!"));
    QCOMPARE(copies, expected);
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
