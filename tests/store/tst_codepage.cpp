// The one code page of the files: Windows-1253, both ways.

#include <QTest>

#include "store/codepage.h"

class CodepageTest : public QObject {
    Q_OBJECT
private slots:
    void textsRoundTrip_data();
    void textsRoundTrip();
    void everyByteRoundTrips();
    void knowsWhatItCannotStore_data();
    void knowsWhatItCannotStore();
};

void CodepageTest::textsRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("latin") << QStringLiteral("Bach, J.S. - Mass in B minor")
                           << QByteArray("Bach, J.S. - Mass in B minor");
    QTest::newRow("greek capitals") << QStringLiteral("ΜΗΤΡΟΠΟΥΛΟΣ")
                                    << QByteArray("\xCC\xC7\xD4\xD1\xCF\xD0\xCF\xD5\xCB\xCF\xD3");
    QTest::newRow("greek with accents")
        << QStringLiteral("Θεοδωράκης") << QByteArray("\xC8\xE5\xEF\xE4\xF9\xF1\xDC\xEA\xE7\xF2");
    QTest::newRow("punctuation of the code page")
        << QStringLiteral("€ … “ ” – — ½ ©")
        << QByteArray("\x80 \x85 \x93 \x94 \x96 \x97 \xBD \xA9");
}

void CodepageTest::textsRoundTrip() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QVERIFY(store::canStore(text));
    QCOMPARE(store::toDisk(text), bytes);
    QCOMPARE(store::fromDisk(bytes), text);
}

void CodepageTest::everyByteRoundTrips() {
    // Bytes the code page leaves undefined must survive a read and a write too, or a record that
    // holds one would change when it is saved.
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    const QString text = store::fromDisk(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(store::canStore(text));
    QCOMPARE(store::toDisk(text), all);
}

void CodepageTest::knowsWhatItCannotStore_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("e acute") << QStringLiteral("Dvořák");
    QTest::newRow("o umlaut") << QStringLiteral("Schönberg");
    QTest::newRow("cyrillic") << QStringLiteral("Чайковский");
    QTest::newRow("emoji") << QStringLiteral("🎻");
}

void CodepageTest::knowsWhatItCannotStore() {
    QFETCH(QString, text);
    QVERIFY(!store::canStore(text));
}

QTEST_APPLESS_MAIN(CodepageTest)
#include "tst_codepage.moc"
