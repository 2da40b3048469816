#include "change_history/frm_change_history.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace change_history {

FrmChangeHistory::FrmChangeHistory(record::RecordWindow& window, QWidget* parent)
    : QDialog(parent), state_(window) {
    setObjectName(QStringLiteral("frmChangeHistory"));
    setWindowTitle(kHistoryTitle);
    setModal(false);
    setSizeGripEnabled(true);

    offLine_ = new QLabel(this);
    offLine_->setObjectName(QStringLiteral("lblHistoryOff"));
    offLine_->setTextFormat(Qt::PlainText);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblChanges"));
    table_->setModel(&state_.model());
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(HistoryModel::TimeColumn, 150);
    table_->setColumnWidth(HistoryModel::OpusColumn, 110);
    table_->setColumnWidth(HistoryModel::CommandColumn, 190);
    table_->installEventFilter(this);

    show_ = new QPushButton(QStringLiteral("&Show"), this);
    show_->setObjectName(QStringLiteral("cmdShow"));
    restore_ = new QPushButton(QStringLiteral("&Restore This Version"), this);
    restore_->setObjectName(QStringLiteral("cmdRestore"));
    for (QPushButton* b : {show_, restore_}) b->setAutoDefault(false);
    connect(show_, &QPushButton::clicked, this, [this] { state_.show(currentRow()); });
    connect(restore_, &QPushButton::clicked, this, [this] { state_.restore(currentRow()); });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { state_.show(index.row()); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { copyState(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show_);
    buttons->addWidget(restore_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(offLine_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(1000, 460);

    state_.changed = [this] { copyState(); };
    state_.refresh();
}

FrmChangeHistory::~FrmChangeHistory() {
    state_.changed = nullptr;
}

int FrmChangeHistory::currentRow() const {
    return table_->currentIndex().isValid() ? table_->currentIndex().row() : -1;
}

void FrmChangeHistory::copyState() {
    const QString off = state_.offText();
    offLine_->setText(off);
    offLine_->setVisible(!off.isEmpty());
    if (!table_->currentIndex().isValid() && state_.model().rowCount() > 0)
        table_->setCurrentIndex(state_.model().index(0, 0));
    show_->setEnabled(state_.canShow(currentRow()));
    restore_->setEnabled(state_.canRestore(currentRow()));
}

void FrmChangeHistory::bringForward() {
    state_.refresh();
    show();
    raise();
    activateWindow();
}

bool FrmChangeHistory::event(QEvent* event) {
    // Changes made meanwhile in the main window show when the window comes to the front again.
    if (event->type() == QEvent::WindowActivate) state_.refresh();
    return QDialog::event(event);
}

bool FrmChangeHistory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            state_.show(currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace change_history
