#include "info/frm_help.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "ui/twips.h"

namespace info {

using ui::rectTw;

namespace {

constexpr int kLineTwips = 255;
constexpr int kGapTwips = 255;     // the blank space before the closing lines of a column
constexpr int kFrameWidth = 5040;  // room for the longest line in a larger font

// One column: its lines from the top, and after the gap the lines at its foot. Each line is one
// label; the dots line the descriptions up as well as a proportional font allows.
struct Column {
    const char* frame;
    std::vector<const char*> lines;
    std::vector<const char*> afterGap;
};

const Column kLeft = {"Frame1",
                      {
                          "MAJOR SHORTCUT KEYS",
                          "F1 ............... Previous Opus Number",
                          "F2 ............... Next Opus Number",
                          "F3 ............... Save Opus Number",
                          "F4 ............... Find Any Opus Number",
                          "F5 ............... Find Medium Identity",
                          "F6 ............... Find Composser",
                          "F7 ............... Find Opus Title",
                          "F8 ............... Find Orchestra/Conductor",
                          "F9 ............... Find Soloist",
                          "F10 ............. Invoke Menu Bar",
                          "F11 ............. Cover Information",
                          "F12 ............. New Opus Number",
                          "Shift+F12..... Paste to this Opus Number",
                          "Shift+Del..... Delete Opus Number",
                      },
                      {
                          "See full list in Sonvella Help File",
                          "Ctrl+F1......... Help File",
                      }};

const Column kRight = {"Frame2",
                       {
                           "MAJOR SHORTCUT KEYS",
                           "Ctrl+B ........ Back Up Opus Files",
                           "Ctrl+C ........ Export by Composer (Multi Mode)",
                           "Ctrl+I ......... Export by Identity (Multi Mode)",
                           "Ctrlt+O........ By Opus No (Multi Mode)",
                           "Ctrl+P ........ Print Shown (Multi Mode)",
                           "Ctrl+R ........ Print Collection (6/A4)",
                           "Ctrl+S ........ Save Shown (Multi Mode)",
                           "Ctrl+F6 ....... Search for Composer+Title",
                           "Ctrl+F7 ....... Search for Title+Orchestra",
                           "Ctrl+F8 ....... Search for Orchestra+Soloist",
                           "Ctrl+F9 ....... Search for Title+Soloist",
                           "Ctrl+F11...... Search for Composer+Orchestra",
                           "Ctrl+F12...... Search for Composer+Soloist",
                           "Shift+F6....... Find Any Name",
                       },
                       {
                           "Ctrl+F1...Help",
                       }};

// Builds a framed column at `left`; returns the number the next label takes.
int buildColumn(QWidget* parent, const Column& column, int left, int height, int number) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(column.frame));
    frame->setGeometry(rectTw(left, 120, kFrameWidth, height));
    int top = 120;
    auto add = [&](const char* text, bool heading) {
        auto* line = new QLabel(QString::fromLatin1(text), frame);
        line->setObjectName(QStringLiteral("Label%1").arg(number++));
        line->setGeometry(rectTw(180, top, kFrameWidth - 300, kLineTwips));
        if (heading) {
            QFont bold = line->font();
            bold.setBold(true);
            line->setFont(bold);
        }
        top += kLineTwips;
    };
    bool first = true;
    for (const char* text : column.lines) {
        add(text, first);
        first = false;
    }
    top += kGapTwips;
    for (const char* text : column.afterGap) add(text, false);
    return number;
}

}  // namespace

FrmHelp::FrmHelp() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sonvella 4.0 -  Major Shortcut Keys"));

    const int lines = static_cast<int>(kLeft.lines.size() + kLeft.afterGap.size());
    const int frameHeight = 120 + lines * kLineTwips + kGapTwips + 180;
    int number = buildColumn(this, kLeft, 120, frameHeight, 1);
    buildColumn(this, kRight, 120 + kFrameWidth + 120, frameHeight, number);

    const int width = 120 + 2 * kFrameWidth + 240;
    const int buttonTop = 120 + frameHeight + 150;
    auto* command1 = new QPushButton(QStringLiteral("OK"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(rectTw((width - 1215) / 2, buttonTop, 1215, 390));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(ui::px(width), ui::px(buttonTop + 390 + 150));
}

}  // namespace info
