// The Qt message box as the user sees it, under the offscreen platform.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt_dialogs.h"
#include "support/shown_text.h"

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messagesShowTheirTextAsItStands();
};

void QtDialogsTest::messagesShowTheirTextAsItStands() {
    // A typed search text or a name from a file may look like markup; it is shown as it stands.
    const QString text = QStringLiteral("No <b>Bach</b> &lt; found<br>\nSecond line");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = testing::shownText(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
        box->done(QMessageBox::Ok);
    });
    QTimer::singleShot(5000, [] {  // never left waiting on a box that was not found
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    platform::QtDialogs().message({.title = QStringLiteral("Sonvella 4.0"), .text = text});
    QCOMPARE(shown, text);
}

QTEST_MAIN(QtDialogsTest)
#include "tst_qt_dialogs.moc"
