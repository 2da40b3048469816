// The preview window of Import from CSV on the offscreen platform: a file holding "Dvořák" and a
// title too long shows both problems before anything is written; the choices read the file again;
// Import appends and closes; Cancel writes nothing.

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "csv/frm_csv_import.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using csv::FrmCsvImport;
using testing::CollectionDir;

class FrmCsvImportTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bothProblemsShowBeforeAnythingIsWritten();
    void cancelWritesNothing();
    void returnInAChoiceDoesNotImport();

private:
    template <class T>
    T* child(const char* name) {
        T* found = frm_->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no %s", name);
        return found;
    }
    QString cell(const char* table, int row, int column) {
        const QAbstractItemModel* model = child<QTableView>(table)->model();
        return model->data(model->index(row, column)).toString();
    }

    std::unique_ptr<FrmCsvImport> frm_;
};

void FrmCsvImportTest::init() {
    WindowTest::init();
    load({{"No0001 CD", "Bach"}, {"No0002 LP", "Ravel"}});
    dir_->write(QStringLiteral("in.csv"),
                "Identity,Composer,Title\r\nNo0003 CD,Antonín Dvořák,Symphony No. 9\r\n"
                "No0004 CD,Bach," +
                    QByteArray(70, 't') + "\r\n");
    frm_ = std::make_unique<FrmCsvImport>(*w_, dir_->path(QStringLiteral("in.csv")));
    QVERIFY(frm_->state().open());
    frm_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm_.get()));
    QTRY_VERIFY(frm_->state().phase() == csv::CsvImport::Phase::Ready);
}

void FrmCsvImportTest::cleanup() {
    frm_.reset();
    WindowTest::cleanup();
}

void FrmCsvImportTest::bothProblemsShowBeforeAnythingIsWritten() {
    const QByteArray before = dir_->bytes();
    QCOMPARE(child<QComboBox>("cboColumn2")->currentText(), QStringLiteral("Composer"));
    QCOMPARE(child<QTableView>("tblProblems")->model()->rowCount(), 2);
    QCOMPARE(cell("tblProblems", 0, 1), QStringLiteral("Composer"));
    QVERIFY(cell("tblProblems", 0, 2).startsWith(QStringLiteral("\"í\", \"ř\", \"á\": ")));
    QCOMPARE(cell("tblProblems", 1, 0), QStringLiteral("3"));
    QCOMPARE(cell("tblProblems", 1, 1), QStringLiteral("Title"));
    QVERIFY(cell("tblProblems", 1, 2).startsWith(QStringLiteral("70 characters where 60 fit")));
    QCOMPARE(cell("tblPreview", 0, 1), QStringLiteral("refused"));
    QCOMPARE(cell("tblPreview", 1, 1), QStringLiteral("cut to fit"));
    QCOMPARE(cell("tblPreview", 1, 4), QString(60, u't'));
    QCOMPARE(dir_->bytes(), before);

    child<QCheckBox>("chkReplaceAccents")->click();
    QTRY_VERIFY(child<QPushButton>("cmdImport")->isEnabled());
    QCOMPARE(cell("tblProblems", 0, 2),
             QStringLiteral("í → i, ř → r, á → a: accented letters stored as the plain letter."));
    QCOMPARE(cell("tblPreview", 0, 3), QStringLiteral("Antonin Dvorak"));
    QCOMPARE(dir_->bytes(), before);

    fakes_.dialogs.expectMessage(csv::kImportTitle,
                                 QStringLiteral("2 records were imported as Opus Numbers 3 to 4."),
                                 platform::Icon::Information);
    child<QPushButton>("cmdImport")->click();
    QVERIFY(!frm_->isVisible());
    QCOMPARE(frm_->result(), int(QDialog::Accepted));
    QCOMPARE(dir_->field(3, store::Field::Composer).trimmed(), QStringLiteral("Antonin Dvorak"));
    QCOMPARE(w_->state().N, 4);
}

void FrmCsvImportTest::cancelWritesNothing() {
    const QByteArray before = dir_->bytes();
    child<QPushButton>("cmdCancel")->click();
    QVERIFY(!frm_->isVisible());
    QCOMPARE(frm_->result(), int(QDialog::Rejected));
    QCOMPARE(dir_->bytes(), before);
    QCOMPARE(w_->state().N, 2);
}

void FrmCsvImportTest::returnInAChoiceDoesNotImport() {
    // Return after a choice in a box ends that choice, not the preview: nothing is imported.
    child<QCheckBox>("chkReplaceAccents")->click();
    QTRY_VERIFY(child<QPushButton>("cmdImport")->isEnabled());
    const QByteArray before = dir_->bytes();
    QApplication::setActiveWindow(frm_.get());
    QComboBox* column = child<QComboBox>("cboColumn3");
    column->setFocus();
    QTest::keyClick(column, Qt::Key_Down);
    QTest::keyClick(column, Qt::Key_Return);
    QTest::keyClick(frm_.get(), Qt::Key_Enter);
    QVERIFY(frm_->isVisible());
    QCOMPARE(dir_->bytes(), before);
    for (QPushButton* button : frm_->findChildren<QPushButton*>())
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
}

QTEST_MAIN(FrmCsvImportTest)
#include "tst_frm_csv_import.moc"
