#include "collection_check/frm_collection_check.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "collection_check/check_charts.h"
#include "store/name_list.h"

namespace collection_check {

namespace {

QChartView* makeChartView(const char* name, const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 240);
    return view;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

FrmCollectionCheck::FrmCollectionCheck(record::RecordWindow& window, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(window) {
    setObjectName(QStringLiteral("frmCollectionCheck"));
    setWindowTitle(kCheckTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(960, 640);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(buildGlance(), QStringLiteral("At a glance"));
    tabs->addTab(buildFindings(), QStringLiteral("Findings"));

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    checkAgain_ = makeButton("cmdCheckAgain", QStringLiteral("Check a&gain"), this);
    cancel_ = makeButton("cmdCancel", QStringLiteral("Cancel"), this);
    connect(checkAgain_, &QPushButton::clicked, this, [this] { state_.start(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { state_.cancel(); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(checkAgain_);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addWidget(status_);
    layout->addLayout(bottom);

    state_.changed = [this] { refresh(); };
    drawReport();
    refresh();
}

FrmCollectionCheck::~FrmCollectionCheck() {
    state_.changed = nullptr;
}

QWidget* FrmCollectionCheck::buildGlance() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("glanceTab"));
    auto* form = new QFormLayout;
    const char* const names[] = {"lblRecords", "lblMedia", "lblDeleted", "lblUnfinished"};
    const QString captions[] = {QStringLiteral("Records:"), QStringLiteral("Media:"),
                                QStringLiteral("Deleted records:"),
                                QStringLiteral("Records never filled in:")};
    for (int i = 0; i < 4; ++i) {
        figures_[i] = new QLabel(page);
        figures_[i]->setObjectName(QString::fromLatin1(names[i]));
        form->addRow(captions[i], figures_[i]);
    }
    mediaChart_ = makeChartView("mediaChart", QStringLiteral("Media by kind"), page);
    composerChart_ =
        makeChartView("composerChart", QStringLiteral("The composers with the most records"), page);
    auto* charts = new QHBoxLayout;
    charts->addWidget(mediaChart_, 1);
    charts->addWidget(composerChart_, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addLayout(charts, 1);
    return page;
}

QWidget* FrmCollectionCheck::buildFindings() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("findingsTab"));
    table_ = new QTableView(page);
    table_->setObjectName(QStringLiteral("findingsTable"));
    table_->setModel(&state_.model());
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line a finding; a long one shows whole in its tool tip.
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setSectionResizeMode(ReportModel::TextColumn, QHeaderView::Stretch);
    table_->installEventFilter(this);
    connect(table_, &QTableView::doubleClicked, this, [this] { goToCurrent(); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { refresh(); });

    addToList_ = makeButton("cmdAddToList", QStringLiteral("&Add to list ..."), page);
    saveHtml_ = makeButton("cmdSaveHtml", QStringLiteral("Save as &HTML"), page);
    connect(addToList_, &QPushButton::clicked, this, [this] { addCurrentToList(); });
    connect(saveHtml_, &QPushButton::clicked, this, [this] {
        state_.saveAsHtml({chartPng(mediaChart_), chartPng(composerChart_)});
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(
        QStringLiteral("Double-click a finding (or press Enter) to show its first record."), page));
    buttons->addStretch(1);
    buttons->addWidget(addToList_);
    buttons->addWidget(saveHtml_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    return page;
}

bool FrmCollectionCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            goToCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int FrmCollectionCheck::currentRow() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FrmCollectionCheck::goToCurrent() {
    state_.goToFinding(currentRow());
}

void FrmCollectionCheck::addCurrentToList() {
    const int row = currentRow();
    const QList<int> lists = state_.listsFor(row);
    if (lists.isEmpty()) return;
    if (lists.size() == 1) return state_.addToList(row, lists.front());
    QMenu menu(this);
    for (int list : lists) {
        menu.addAction(
            QStringLiteral("Add to ") + QString::fromLatin1(store::kNameLists[list].file), this,
            [this, row, list] { state_.addToList(row, list); });
    }
    menu.exec(addToList_->mapToGlobal(QPoint(0, addToList_->height())));
}

void FrmCollectionCheck::drawReport() {
    drawn_ = state_.phase();
    const Figures& f = state_.figures();
    const bool shown = drawn_ == CheckWindow::Phase::Done;
    const std::int64_t values[] = {f.records, f.media, f.deleted, f.unfinished};
    for (int i = 0; i < 4; ++i)
        figures_[i]->setText(shown ? QString::number(values[i]) : QString());
    drawMediaByKind(mediaChart_->chart(), f);
    drawTopComposers(composerChart_->chart(), f);
    table_->resizeColumnToContents(ReportModel::KindColumn);
    table_->resizeColumnToContents(ReportModel::NumbersColumn);
}

void FrmCollectionCheck::refresh() {
    const CheckWindow::Phase phase = state_.phase();
    const bool running = phase == CheckWindow::Phase::Running;
    progress_->setRange(0, int(std::max<std::int64_t>(state_.recordsInAll(), 1)));
    progress_->setValue(int(state_.recordsRead()));
    status_->setText(state_.status());
    cancel_->setEnabled(running);
    checkAgain_->setEnabled(!running);
    saveHtml_->setEnabled(phase == CheckWindow::Phase::Done);
    addToList_->setEnabled(!state_.listsFor(currentRow()).isEmpty());
    // The figures and charts change only with the phase: drawn when a check is done, gone when
    // one starts, is cancelled or fails.
    if (phase != drawn_) drawReport();
}

}  // namespace collection_check
