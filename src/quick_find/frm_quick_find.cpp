#include "quick_find/frm_quick_find.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace quick_find {

namespace {

// Starting widths of the columns, in pixels; the Soloists take what is left.
constexpr int kColumnWidths[] = {70, 120, 170, 220, 220};

}  // namespace

FrmQuickFind::FrmQuickFind(record::RecordWindow& window, QWidget* parent)
    : QDialog(parent), state_(window) {
    setObjectName(QStringLiteral("frmQuickFind"));
    setWindowTitle(QStringLiteral("Sonvella 4.0 - Quick Find"));
    setModal(false);
    setSizeGripEnabled(true);

    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("quickFindText"));
    text_->setClearButtonEnabled(true);
    text_->installEventFilter(this);

    hits_ = new QTableView(this);
    hits_->setObjectName(QStringLiteral("quickFindHits"));
    hits_->setModel(&state_.hits());
    hits_->setSelectionBehavior(QAbstractItemView::SelectRows);
    hits_->setSelectionMode(QAbstractItemView::SingleSelection);
    hits_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hits_->setTabKeyNavigation(false);
    hits_->setWordWrap(false);
    hits_->verticalHeader()->hide();
    hits_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    hits_->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < int(std::size(kColumnWidths)); ++c)
        hits_->setColumnWidth(c, kColumnWidths[c]);
    hits_->installEventFilter(this);

    countLine_ = new QLabel(this);
    countLine_->setObjectName(QStringLiteral("quickFindCount"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(hits_, 1);
    layout->addWidget(countLine_);
    resize(1000, 420);

    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.setText(text); });
    connect(text_, &QLineEdit::returnPressed, this, [this] { goToCurrentHit(); });
    connect(hits_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { state_.goToHit(index.row()); });
    // The first hit is the one Enter goes to, until Up and Down pick another.
    connect(&state_.hits(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (!hits_->currentIndex().isValid()) hits_->setCurrentIndex(state_.hits().index(0, 0));
    });
    state_.changed = [this] { copyState(); };
    copyState();
}

FrmQuickFind::~FrmQuickFind() {
    state_.changed = nullptr;
    state_.stop();
}

void FrmQuickFind::copyState() {
    hits_->setVisible(state_.listShown());
    countLine_->setText(state_.countLine());
}

void FrmQuickFind::bringForward() {
    if (isVisible()) {
        if (isMinimized()) showNormal();
    } else {
        state_.searchAgain();  // the collection may have changed since it was closed
        show();
    }
    raise();
    activateWindow();
    text_->setFocus(Qt::OtherFocusReason);
    text_->selectAll();
}

void FrmQuickFind::goToCurrentHit() {
    state_.goToHit(hits_->currentIndex().row());
}

void FrmQuickFind::done(int result) {
    state_.stop();
    QDialog::done(result);
}

void FrmQuickFind::closeEvent(QCloseEvent* event) {
    state_.stop();
    QDialog::closeEvent(event);
}

bool FrmQuickFind::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == text_) {
        // Up and Down move through the hits while the typing goes on.
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(hits_, event);
                return true;
            default:
                break;
        }
    } else if (watched == hits_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        goToCurrentHit();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quick_find
