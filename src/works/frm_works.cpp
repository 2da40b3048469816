#include "works/frm_works.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace works {

namespace {

// Starting widths of the columns, in pixels; the Cover takes what is left.
constexpr int kColumnWidths[] = {260, 300, 80, 240, 240};

}  // namespace

FrmWorks::FrmWorks(record::RecordWindow& window, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(window) {
    setObjectName(QStringLiteral("frmWorks"));
    setWindowTitle(kWorksTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1100, 640);

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("worksFilter"));
    filter_->setClearButtonEnabled(true);
    filter_->setPlaceholderText(
        QStringLiteral("Filter: a composer, a catalogue number (988, bwv988, op27), a title, a "
                       "performer"));
    filter_->installEventFilter(this);
    moreThanOnce_ = new QCheckBox(QStringLiteral("Recorded &more than once"), this);
    moreThanOnce_->setObjectName(QStringLiteral("chkMoreThanOnce"));

    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("worksTree"));
    tree_->setModel(&state_.model());
    tree_->setUniformRowHeights(true);  // a tree of a million rows draws only what it shows
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setWordWrap(false);
    tree_->header()->setStretchLastSection(true);
    for (int c = 0; c < int(std::size(kColumnWidths)); ++c)
        tree_->setColumnWidth(c, kColumnWidths[c]);
    tree_->installEventFilter(this);

    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("lblFigures"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    readAgain_ = new QPushButton(QStringLiteral("Read a&gain"), this);
    readAgain_->setObjectName(QStringLiteral("cmdReadAgain"));
    readAgain_->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(moreThanOnce_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(new QLabel(
        QStringLiteral("Double-click a recording (or press Enter) to show it in the main window."),
        this));
    bottom->addWidget(readAgain_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tree_, 1);
    layout->addWidget(figures_);
    layout->addLayout(bottom);

    connect(filter_, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.setFilter(text); });
    connect(filter_, &QLineEdit::returnPressed, this, [this] { goToCurrent(); });
    connect(moreThanOnce_, &QCheckBox::toggled, this,
            [this](bool on) { state_.setMoreThanOnce(on); });
    connect(readAgain_, &QPushButton::clicked, this, [this] { state_.start(); });
    connect(tree_, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { state_.goTo(index); });
    // A filter that leaves few recordings shows them opened.
    connect(&state_.model(), &QAbstractItemModel::modelReset, this, [this] {
        if (state_.fewShown()) tree_->expandAll();
    });
    state_.changed = [this] { refresh(); };
    refresh();
}

FrmWorks::~FrmWorks() {
    state_.changed = nullptr;
    state_.stop();
}

void FrmWorks::refresh() {
    figures_->setText(state_.figures());
    status_->setText(state_.status());
    readAgain_->setEnabled(state_.phase() != WorksWindow::Phase::Reading);
}

void FrmWorks::goToCurrent() {
    state_.goTo(tree_->currentIndex());
}

void FrmWorks::closeEvent(QCloseEvent* event) {
    state_.stop();
    QWidget::closeEvent(event);
}

bool FrmWorks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == filter_) {
        // Up and Down move through the tree while the typing goes on.
        switch (key) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(tree_, event);
                return true;
            default:
                break;
        }
    } else if (watched == tree_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        goToCurrent();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace works
