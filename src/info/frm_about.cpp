#include "info/frm_about.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "info/about_texts.h"
#include "info/system_info.h"
#include "ui/twips.h"

namespace info {

using ui::rectTw;

namespace {

constexpr int kWidthTwips = 6210;
// Taller by a line than the window's first design, for the folder line at its foot.
constexpr int kHeightTwips = 4620;
constexpr int kTextLeft = 1320;
constexpr int kTextWidth = 4650;

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

}  // namespace

FrmAbout::FrmAbout(platform::ProcessLauncher& processes, platform::Dialogs& dialogs,
                   QString collectionFile)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      processes_(processes),
      dialogs_(dialogs),
      collectionFile_(std::move(collectionFile)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ..."));
    setFixedSize(ui::px(kWidthTwips), ui::px(kHeightTwips));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ui::kLightYellow);
    setPalette(colours);
    setAutoFillBackground(true);

    const QRect iconPlace = rectTw(240, 240, 720, 720);
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(iconPlace);
    picIcon->setPixmap(
        QPixmap(QStringLiteral(":/icons/sonvella.png"))
            .scaled(iconPlace.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto* lblTitle = label(
        this, "lblTitle", QStringLiteral("Sonvella\nThe catalogue of a classical music collection"),
        rectTw(kTextLeft, 240, kTextWidth, 600));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);

    label(this, "lblVersion", versionText(), rectTw(kTextLeft, 960, kTextWidth, 285));
    label(this, "lblDescription",
          QStringLiteral("Catalog your Music Collection\n"
                         "Enter music info from CDs, DVDs, LPs, Tapes\n"
                         "Use a seperate entry for each music work"),
          rectTw(kTextLeft, 1380, kTextWidth, 780));
    lblBiblio_ = label(this, "lblBiblio", {}, rectTw(kTextLeft, 2280, kTextWidth, 285));

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("linRule"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(rectTw(240, 2700, kWidthTwips - 480, 30));

    auto* lblDisclaimer =
        label(this, "lblDisclaimer",
              QStringLiteral("Sonvella keeps your collection in files of your own. Back them up "
                             "now and then (File, BackUp). The Help file (Ctrl+F1) tells "
                             "how everything works."),
              rectTw(240, 2880, 4080, 1200));
    lblDisclaimer->setWordWrap(true);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(rectTw(4560, 2880, 1410, 420));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto* cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(rectTw(4560, 3420, 1410, 420));
    connect(cmdSysInfo, &QPushButton::clicked, this,
            [this] { StartSysInfo(processes_, dialogs_); });

    // The open collection's folder, in a line of its own below the other texts.
    lblFolder_ = label(this, "lblFolder", {}, rectTw(240, 4170, kWidthTwips - 480, 285));

    refreshCount();
}

void FrmAbout::refreshCount() {
    lblBiblio_->setText(collectionVersionText(collectionFile_));
    const QString folder =
        QDir::toNativeSeparators(QFileInfo(collectionFile_).absoluteDir().absolutePath());
    const QString text = QStringLiteral("Collection folder: ") + folder;
    lblFolder_->setText(
        lblFolder_->fontMetrics().elidedText(text, Qt::ElideMiddle, lblFolder_->width()));
    lblFolder_->setToolTip(folder);
}

}  // namespace info
