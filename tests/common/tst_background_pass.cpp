// A pass off the GUI thread: only the latest pass's reports arrive, on the owner's thread.

#include <QCoreApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include "common/background_pass.h"

class BackgroundPassTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheLatestPassReports();
};

void BackgroundPassTest::onlyTheLatestPassReports() {
    QObject owner;
    QStringList reports;
    QSemaphore firstMayEnd;
    bool firstSawCancel = false;
    {
        common::BackgroundPass pass(&owner);
        pass.start([&](const common::BackgroundPass::Run& run) {
            firstMayEnd.acquire();
            firstSawCancel = run.cancelled();
            run.deliver([&] { reports << QStringLiteral("first"); });
        });
        pass.start([&](const common::BackgroundPass::Run& run) {
            run.deliver([&, thread = QThread::currentThread()] {
                QCOMPARE(QThread::currentThread(), owner.thread());
                QVERIFY(thread != owner.thread());
                reports << QStringLiteral("second");
            });
        });
        firstMayEnd.release();
        pass.wait();
        QCoreApplication::processEvents();
        QCOMPARE(reports, QStringList{"second"});
        QVERIFY(firstSawCancel);

        pass.cancel();  // what the second pass would still deliver is dropped now
        pass.start([&](const common::BackgroundPass::Run& run) {
            run.deliver([&] { reports << QStringLiteral("third"); });
        });
        pass.wait();
        pass.cancel();
        QCoreApplication::processEvents();
        QCOMPARE(reports, QStringList{"second"});
    }
}

QTEST_GUILESS_MAIN(BackgroundPassTest)
#include "tst_background_pass.moc"
