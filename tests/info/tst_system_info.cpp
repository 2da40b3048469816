// Starting the system-information program from the about window: the first one of the desktop's
// found, and the message when there is none or it does not start.

#include <QDir>
#include <QTest>

#include "info/system_info.h"
#include "support/fakes.h"

using platform::Icon;

namespace {

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

}  // namespace

class SystemInfoTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void startsTheProgramFound_data();
    void startsTheProgramFound();
    void saysSoWhenNoProgramIsFound();
    void saysSoWhenTheProgramDoesNotStart();

private:
    testing::Fakes fakes_;
};

void SystemInfoTest::cleanup() {
    fakes_.dialogs.verifyDone();
    fakes_.reset();
}

void SystemInfoTest::startsTheProgramFound_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("started");
    QTest::newRow("hardinfo alone") << QStringList{"hardinfo"} << "hardinfo";
    QTest::newRow("a KDE desktop")
        << QStringList{"plasma-systemmonitor", "kinfocenter"} << "kinfocenter";
    QTest::newRow("a GNOME desktop")
        << QStringList{"gnome-system-monitor"} << "gnome-system-monitor";
    QTest::newRow("information before monitors")
        << QStringList{"xfce4-taskmanager", "gnome-system-monitor", "hardinfo"} << "hardinfo";
    QTest::newRow("an Xfce desktop") << QStringList{"xfce4-taskmanager"} << "xfce4-taskmanager";
}

void SystemInfoTest::startsTheProgramFound() {
    QFETCH(QStringList, installed);
    QFETCH(QString, started);
    for (const QString& name : installed) {
        fakes_.processes.programs.insert(name, QStringLiteral("/opt/tools/") + name);
    }
    QVERIFY(info::StartSysInfo(fakes_.processes, fakes_.dialogs));
    QCOMPARE(fakes_.processes.started.size(), size_t(1));
    QCOMPARE(fakes_.processes.started[0].program, QStringLiteral("/opt/tools/") + started);
    QVERIFY(fakes_.processes.started[0].arguments.isEmpty());
    QCOMPARE(fakes_.processes.started[0].workingDirectory, QDir::currentPath());
}

void SystemInfoTest::saysSoWhenNoProgramIsFound() {
    fakes_.processes.programs.insert(QStringLiteral("htop"), QStringLiteral("/usr/bin/htop"));
    fakes_.dialogs.expectMessage(QStringLiteral("Sonvella"), kUnavailable, Icon::None);
    QVERIFY(!info::StartSysInfo(fakes_.processes, fakes_.dialogs));
    QVERIFY(fakes_.processes.started.empty());
}

void SystemInfoTest::saysSoWhenTheProgramDoesNotStart() {
    fakes_.processes.programs.insert(QStringLiteral("hardinfo"),
                                     QStringLiteral("/usr/bin/hardinfo"));
    fakes_.processes.failure = QStringLiteral("Permission denied");
    fakes_.dialogs.expectMessage(QStringLiteral("Sonvella"), kUnavailable, Icon::None);
    QVERIFY(!info::StartSysInfo(fakes_.processes, fakes_.dialogs));
    QVERIFY(fakes_.processes.started.empty());
}

QTEST_MAIN(SystemInfoTest)
#include "tst_system_info.moc"
