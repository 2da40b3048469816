#pragma once
// The progress of a long CSV step in a box with a Cancel button, shown when the step takes more
// than a moment.

#include <QPointer>
#include <QProgressDialog>

#include "csv/progress.h"

class QWidget;

namespace csv {

class ProgressBox : public Progress {
public:
    ProgressBox(QWidget* parent, QString title);
    ~ProgressBox() override;

    void begin(const QString& text, std::int64_t total) override;
    bool advance(std::int64_t done) override;
    void end() override;

private:
    QWidget* parent_;
    QString title_;
    QPointer<QProgressDialog> box_;
    std::int64_t total_ = 0;
};

}  // namespace csv
