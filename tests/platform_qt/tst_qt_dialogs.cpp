// The boxes Qt draws, as the user sees them under the offscreen platform: a message shows its text
// as it stands, and an input box refuses a character the collection's code page cannot hold as it
// is typed, with the beep and a hint that says why, so that a search is never run on a text that
// could not stand in any record.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "platform_qt/qt_dialogs.h"
#include "support/shown_text.h"

namespace {

class BeepCountingDialogs : public platform::QtDialogs {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

// Types text that QTest::keyClicks cannot (it takes Latin-1 only).
void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messagesShowTheirTextAsItStands();
    void anInputBoxRefusesWhatTheCodePageCannotStore();
    void aChoiceAnswersWithTheButtonClickedOrEsc_data();
    void aChoiceAnswersWithTheButtonClickedOrEsc();
    void aNewFolderMayBeTypedWhereOneIsToBeMade_data();
    void aNewFolderMayBeTypedWhereOneIsToBeMade();
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

void QtDialogsTest::anInputBoxRefusesWhatTheCodePageCannotStore() {
    BeepCountingDialogs dialogs;
    QString hint;
    QString tip;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        auto* edit = box->findChild<QLineEdit*>();
        QVERIFY(edit);
        typeText(edit, QStringLiteral("Séverac Ιωάννης"));
        hint = QToolTip::text();
        tip = edit->toolTip();
        box->accept();
    });
    platform::Dialogs& boxes = dialogs;
    const QString typed = boxes.input(QStringLiteral("Type the Composer's Name:"),
                                      QStringLiteral("Sonvella 4.0: Find Composer"));
    QCOMPARE(typed, QStringLiteral("Sverac Ιωάννης"));  // Greek is stored, é is not
    QCOMPARE(dialogs.beeps, 1);
    QVERIFY2(hint.contains(QLatin1String("Windows-1253")), qPrintable(hint));
    QCOMPARE(tip, hint);
}

void QtDialogsTest::aChoiceAnswersWithTheButtonClickedOrEsc_data() {
    QTest::addColumn<QString>("press");  // a button's caption, or "Esc"
    QTest::addColumn<int>("answer");
    QTest::newRow("Back") << "Back" << 1;
    QTest::newRow("Both") << "Both" << 2;
    QTest::newRow("Esc") << "Esc" << -1;
}

void QtDialogsTest::aChoiceAnswersWithTheButtonClickedOrEsc() {
    QFETCH(QString, press);
    QFETCH(int, answer);
    QTimer::singleShot(0, [press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (press == QLatin1String("Esc")) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == press) QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    const int chosen = platform::QtDialogs().choose(
        QStringLiteral("Sonvella 4.0"), QStringLiteral("Remove which covers of No0001?"),
        {QStringLiteral("Front"), QStringLiteral("Back"), QStringLiteral("Both")});
    QCOMPARE(chosen, answer);
}

void QtDialogsTest::aNewFolderMayBeTypedWhereOneIsToBeMade_data() {
    QTest::addColumn<bool>("newAllowed");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("new, in a folder that exists") << true << "Fresh" << true;
    QTest::newRow("new, in a folder that does not") << true << "None/Fresh" << false;
    QTest::newRow("an existing folder asked for") << false << "Fresh" << false;
}

void QtDialogsTest::aNewFolderMayBeTypedWhereOneIsToBeMade() {
    QFETCH(bool, newAllowed);
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTimer::singleShot(0, [typed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        // A refusal is a message box over the dialog: closed, then the dialog is cancelled.
        QTimer::singleShot(200, [dialog] {
            if (auto* refusal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                refusal->done(QMessageBox::Ok);
            QTimer::singleShot(0, dialog, &QDialog::reject);
        });
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    const auto choice = newAllowed ? platform::Dialogs::FolderChoice::NewAllowed
                                   : platform::Dialogs::FolderChoice::Existing;
    const QString chosen =
        platform::QtDialogs().folder(QStringLiteral("New Collection"), dir.path(), choice);
    QCOMPARE(chosen, taken ? dir.filePath(typed) : QString());
    QVERIFY(!QFileInfo::exists(dir.filePath(typed)));  // the dialog makes nothing
}

QTEST_MAIN(QtDialogsTest)
#include "tst_qt_dialogs.moc"
