// The program's folder follows $HOME and is created with its Covers folder.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "platform/program_directory.h"

class ProgramDirectoryTest : public QObject {
    Q_OBJECT
private slots:
    void followsHomeAndIsCreated();
};

void ProgramDirectoryTest::followsHomeAndIsCreated() {
    QTemporaryDir home;
    const QByteArray old = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    QCOMPARE(platform::programDirectory(), home.path() + "/Sonvella400");
    QCOMPARE(platform::programFile("MySearch.doc"), home.path() + "/Sonvella400/MySearch.doc");
    QVERIFY(platform::createProgramDirectories());
    QVERIFY(QDir(home.path() + "/Sonvella400/Covers").exists());
    QVERIFY(platform::createProgramDirectories());  // a second time changes nothing
    qputenv("HOME", old);
}

QTEST_APPLESS_MAIN(ProgramDirectoryTest)
#include "tst_program_directory.moc"
