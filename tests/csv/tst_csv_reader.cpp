// The CSV reader: fields, quotes and line ends as RFC 4180 has them and spreadsheets write them,
// the same rows whatever pieces the file comes in, and the line each row starts on.

#include <QTest>

#include "csv/csv_reader.h"

using csv::CsvReader;
using csv::CsvRow;

namespace {

// Every row, as "line:field|field|...", with "!" for a row the file ends inside.
QStringList readRows(const QByteArray& bytes, char separator, qsizetype piece) {
    QStringList rows;
    CsvReader reader(separator, [&rows](const CsvRow& row) {
        QStringList fields;
        for (const QByteArray& f : row.fields) fields << QString::fromUtf8(f);
        rows << QStringLiteral("%1:%2%3")
                    .arg(row.line)
                    .arg(row.empty() ? QStringLiteral("(empty)") : fields.join(QLatin1Char('|')))
                    .arg(row.unterminated ? QStringLiteral("!") : QString());
    });
    for (qsizetype i = 0; i < bytes.size(); i += piece) reader.feed(bytes.mid(i, piece));
    reader.finish();
    return rows;
}

}  // namespace

class CsvReaderTest : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
};

void CsvReaderTest::rows_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("quotes, commas and line breaks inside fields")
        << QByteArray("a,\"b,c\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nx,,\"\"\r\n") << ','
        << QStringList{"1:a|b,c|say \"hi\"|two\r\nlines", "3:x||"};
    QTest::newRow("LF, lone CR, CR LF, and no line end at the end")
        << QByteArray("a\nb\rc\r\nd") << ',' << QStringList{"1:a", "2:b", "3:c", "4:d"};
    QTest::newRow("empty lines are rows of their own, a line end at the end is none")
        << QByteArray("a\r\n\r\n\nb\n") << ','
        << QStringList{"1:a", "2:(empty)", "3:(empty)", "4:b"};
    QTest::newRow("semicolons and tabs; the other separators are text")
        << QByteArray("a;b,c\td") << ';' << QStringList{"1:a|b,c\td"};
    QTest::newRow("tab") << QByteArray("a;b\tc") << '\t' << QStringList{"1:a;b|c"};
    QTest::newRow("stray quotes are kept as they stand")
        << QByteArray("12\" LP,\"ab\"cd\n") << ',' << QStringList{"1:12\" LP|abcd"};
    QTest::newRow("a quote never closed takes the rest of the file")
        << QByteArray("a,b\n\"c,d\ne\n") << ',' << QStringList{"1:a|b", "2:c,d\ne\n!"};
}

void CsvReaderTest::rows() {
    QFETCH(QByteArray, bytes);
    QFETCH(char, separator);
    QFETCH(QStringList, expected);
    QCOMPARE(readRows(bytes, separator, bytes.size() + 1), expected);
    // A CR LF, a doubled quote or a field split between two pieces reads the same.
    QCOMPARE(readRows(bytes, separator, 1), expected);
}

QTEST_APPLESS_MAIN(CsvReaderTest)
#include "tst_csv_reader.moc"
