#include "csv/frm_csv_import.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "csv/csv_export.h"
#include "csv/progress_box.h"

namespace csv {

namespace {

struct EncodingChoice {
    Encoding encoding;
};
constexpr Encoding kEncodings[] = {Encoding::Utf8, Encoding::Windows1253, Encoding::Windows1252};

struct SeparatorChoice {
    char separator;
    const char* name;
};
constexpr SeparatorChoice kSeparators[] = {{',', "Comma"}, {';', "Semicolon"}, {'\t', "Tab"}};

QTableView* makeTable(const char* name, QAbstractItemModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setMaximumSectionSize(320);
    return table;
}

// "found: Windows-1252 (Western): 'Saint-Saëns' ...": the encoding, and the words that chose it.
QString detectedText(const DetectedEncoding& detected) {
    QString text = QStringLiteral("found: ") + encodingName(detected.encoding) +
                   (detected.byteOrderMark ? QStringLiteral(" with a byte-order mark") : QString());
    if (!detected.evidence.isEmpty()) {
        text += QStringLiteral(": '") + detected.evidence.join(QStringLiteral("', '")) +
                QStringLiteral("' ...");
    }
    return text;
}

}  // namespace

FrmCsvImport::FrmCsvImport(record::RecordWindow& window, const QString& path, QWidget* parent)
    : QDialog(parent), state_(window, path) {
    setObjectName(QStringLiteral("frmCsvImport"));
    setWindowTitle(kImportTitle);
    resize(1000, 720);

    auto* file = new QLabel(QStringLiteral("File: ") + QDir::toNativeSeparators(path), this);
    file->setObjectName(QStringLiteral("lblFile"));
    file->setTextFormat(Qt::PlainText);

    preview_ = makeTable("tblPreview", &state_.preview(), this);
    problems_ = makeTable("tblProblems", &state_.problems(), this);
    auto* previewBox = new QGroupBox(QStringLiteral("The first rows, as they will be stored"));
    (new QVBoxLayout(previewBox))->addWidget(preview_);
    auto* problemsBox = new QGroupBox(QStringLiteral("Problems, in every row of the file"));
    (new QVBoxLayout(problemsBox))->addWidget(problems_);
    auto* tables = new QSplitter(Qt::Vertical, this);
    tables->addWidget(previewBox);
    tables->addWidget(problemsBox);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, 100);
    import_ = new QPushButton(QStringLiteral("&Import"), this);
    import_->setObjectName(QStringLiteral("cmdImport"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    // No default button: Return ends a choice in one of the boxes, and must not import with it.
    for (QPushButton* button : {import_, cancel}) button->setAutoDefault(false);
    connect(import_, &QPushButton::clicked, this, [this] { runImport(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(buildSettings());
    top->addWidget(buildColumns(), 1);
    top->addWidget(buildOptions());
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(progress_);
    bottom->addWidget(import_);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addLayout(top);
    layout->addWidget(tables, 1);
    layout->addLayout(bottom);

    state_.changed = [this] { refresh(); };
    refresh();
}

FrmCsvImport::~FrmCsvImport() {
    state_.changed = nullptr;
}

QWidget* FrmCsvImport::buildSettings() {
    auto* box = new QGroupBox(QStringLiteral("The file"), this);
    encoding_ = new QComboBox(box);
    encoding_->setObjectName(QStringLiteral("cboEncoding"));
    for (Encoding e : kEncodings) encoding_->addItem(encodingName(e));
    detected_ = new QLabel(box);
    detected_->setObjectName(QStringLiteral("lblDetected"));
    separator_ = new QComboBox(box);
    separator_->setObjectName(QStringLiteral("cboSeparator"));
    for (const SeparatorChoice& s : kSeparators) separator_->addItem(QString::fromLatin1(s.name));
    header_ = new QCheckBox(QStringLiteral("The first row names the columns"), box);
    header_->setObjectName(QStringLiteral("chkHeader"));

    connect(encoding_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!refreshing_ && i >= 0) state_.setEncoding(kEncodings[i]);
    });
    connect(separator_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!refreshing_ && i >= 0) state_.setSeparator(kSeparators[i].separator);
    });
    connect(header_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) state_.setHeader(on);
    });

    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("Encoding:"), encoding_);
    form->addRow(QString(), detected_);
    form->addRow(QStringLiteral("Separator:"), separator_);
    form->addRow(header_);
    return box;
}

QWidget* FrmCsvImport::buildColumns() {
    auto* box = new QGroupBox(QStringLiteral("What each column goes into"), this);
    auto* scroll = new QScrollArea(box);
    scroll->setWidgetResizable(true);
    columnsArea_ = new QWidget;
    columnGrid_ = new QGridLayout(columnsArea_);
    scroll->setWidget(columnsArea_);
    (new QVBoxLayout(box))->addWidget(scroll);
    return box;
}

QWidget* FrmCsvImport::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Characters and lengths"), this);
    replaceAccents_ =
        new QCheckBox(QStringLiteral("Replace accented Latin letters by the plain letter"), box);
    replaceAccents_->setObjectName(QStringLiteral("chkReplaceAccents"));
    replaceAccents_->setToolTip(
        QStringLiteral("The collection's code page, Windows-1253, holds Greek and plain Latin "
                       "letters, but no accented Latin letters such as \u00e9, \u00f6 or "
                       "\u0159."));
    cut_ = new QRadioButton(QStringLiteral("Cut them to fit"), box);
    cut_->setObjectName(QStringLiteral("optCut"));
    skip_ = new QRadioButton(QStringLiteral("Skip their rows"), box);
    skip_->setObjectName(QStringLiteral("optSkip"));
    connect(replaceAccents_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) state_.setReplaceAccents(on);
    });
    connect(cut_, &QRadioButton::toggled, this, [this](bool on) {
        if (!refreshing_) state_.setCutLong(on);
    });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(replaceAccents_);
    layout->addWidget(new QLabel(QStringLiteral("Values too long for their field:"), box));
    layout->addWidget(cut_);
    layout->addWidget(skip_);
    layout->addStretch(1);
    return box;
}

void FrmCsvImport::buildColumnChoices() {
    qDeleteAll(columnsArea_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    columnChoices_.clear();
    const QStringList& names = state_.columnNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* name = new QLabel(names[i], columnsArea_);
        name->setTextFormat(Qt::PlainText);
        auto* choice = new QComboBox(columnsArea_);
        choice->setObjectName(QStringLiteral("cboColumn%1").arg(i + 1));
        choice->addItem(QStringLiteral("(leave out)"));
        for (store::Field f : store::kAllFields) choice->addItem(fieldName(f));
        connect(choice, &QComboBox::currentIndexChanged, this, [this, i](int index) {
            if (refreshing_ || index < 0) return;
            state_.setTarget(i, index == 0 ? Target() : Target(store::kAllFields[index - 1]));
        });
        columnGrid_->addWidget(name, i, 0);
        columnGrid_->addWidget(choice, i, 1);
        columnChoices_ << choice;
    }
    columnGrid_->setRowStretch(int(names.size()), 1);
    shownColumns_ = names;
}

void FrmCsvImport::refresh() {
    refreshing_ = true;
    const auto done = qScopeGuard([this] { refreshing_ = false; });
    const ImportSettings& settings = state_.settings();
    detected_->setText(detectedText(state_.detected()));
    for (int i = 0; i < int(std::size(kEncodings)); ++i) {
        if (kEncodings[i] == settings.encoding) encoding_->setCurrentIndex(i);
    }
    for (int i = 0; i < int(std::size(kSeparators)); ++i) {
        if (kSeparators[i].separator == settings.separator) separator_->setCurrentIndex(i);
    }
    header_->setChecked(settings.header);
    if (shownColumns_ != state_.columnNames()) buildColumnChoices();
    for (int i = 0; i < columnChoices_.size(); ++i) {
        // The first choice leaves the column out; the others are the fields in their order.
        int choice = 0;
        if (std::size_t(i) < settings.targets.size() && settings.targets[i])
            choice = static_cast<int>(*settings.targets[i]) + 1;
        columnChoices_[i]->setCurrentIndex(choice);
    }
    replaceAccents_->setChecked(settings.replaceAccents);
    cut_->setChecked(settings.cutLong);
    skip_->setChecked(!settings.cutLong);

    status_->setText(state_.status());
    progress_->setValue(state_.percentRead());
    progress_->setVisible(state_.phase() == CsvImport::Phase::Reading);
    import_->setEnabled(state_.canImport());
    if (state_.phase() == CsvImport::Phase::Ready && fitted_ != &state_.analysis()) {
        fitted_ = &state_.analysis();
        preview_->resizeColumnsToContents();
        problems_->resizeColumnToContents(ProblemModel::RowColumn);
        problems_->resizeColumnToContents(ProblemModel::FieldColumn);
    }

    switch (state_.phase()) {
        case CsvImport::Phase::Failed:
            if (isVisible()) reject();
            break;
        case CsvImport::Phase::Imported:
            if (isVisible()) accept();
            break;
        default:
            break;
    }
}

void FrmCsvImport::runImport() {
    ProgressBox progress(this, kImportTitle);
    state_.importRows(progress);
}

void exportCsv(record::RecordWindow& window, QWidget* parent) {
    ProgressBox progress(parent, kExportTitle);
    mnuExportCsv(window, progress);
}

void importCsv(record::RecordWindow& window, QWidget* parent) {
    const QString path = chooseCsvFile(window);
    if (path.isEmpty()) return;
    FrmCsvImport frm(window, path, parent);
    if (!frm.state().open()) return;
    frm.exec();
}

}  // namespace csv
