#pragma once
// The preview window of "Import from CSV": the encoding, the separator and the header row, what
// each column goes into, the choices for accented letters and values too long, the first rows as
// they will be stored and every problem, and Import or Cancel. It mirrors CsvImport and forwards
// to its commands; it decides nothing.

#include <QDialog>

#include "csv/csv_import.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;

namespace csv {

class FrmCsvImport : public QDialog {
    Q_OBJECT
public:
    FrmCsvImport(record::RecordWindow& window, const QString& path, QWidget* parent = nullptr);
    ~FrmCsvImport() override;

    CsvImport& state() { return state_; }

private:
    QWidget* buildSettings();
    QWidget* buildColumns();
    QWidget* buildOptions();
    void buildColumnChoices();
    void refresh();
    void runImport();

    CsvImport state_;
    QLabel* detected_ = nullptr;
    QComboBox* encoding_ = nullptr;
    QComboBox* separator_ = nullptr;
    QCheckBox* header_ = nullptr;
    QGridLayout* columnGrid_ = nullptr;
    QWidget* columnsArea_ = nullptr;
    QList<QComboBox*> columnChoices_;
    QStringList shownColumns_;
    QCheckBox* replaceAccents_ = nullptr;
    QRadioButton* cut_ = nullptr;
    QRadioButton* skip_ = nullptr;
    QTableView* preview_ = nullptr;
    QTableView* problems_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* import_ = nullptr;
    bool refreshing_ = false;
    const Analysis* fitted_ = nullptr;  // the reading the tables' columns were fitted to
};

// The File menu's two entries, with the boxes of the program.
void exportCsv(record::RecordWindow& window, QWidget* parent);
void importCsv(record::RecordWindow& window, QWidget* parent);

}  // namespace csv
