#pragma once
// The cover panel at the right of the main window (Command10, Label19, Label20, Image2) and the
// two cover windows it opens (frmCoverImage, frmBackImage). Cover files are found by the record's
// cover name in the Covers folder of the program's directory.

#include <QImage>
#include <QString>
#include <cstdint>

namespace record {

class RecordWindow;

// The cover panel's picture, in pixels: 241 x 361, or 241 x 210 for a picture wider than high.
constexpr int kCoverPictureWidth = 241;
constexpr int kCoverPictureHeight = 361;
constexpr int kWideCoverPictureHeight = 210;

// The enlarged front cover (frmCoverImage) or the back cover (frmBackImage).
struct CoverWindow {
    bool open = false;
    QString caption;
    QImage picture;
    bool wide =
        false;  // wider than high: shown in Image1 with Command1, else in Image2 with Command2
};

enum class CoverSide { Front, Back };  // frmCoverImage, frmBackImage

class CoverPanel {
public:
    struct State {
        std::int16_t coverShown = 0;
        bool coverImageMenuEnabled = false;  // mnuCoverImage
        QString command10Caption = QStringLiteral("IMAGE");
        QString label19;  // "Cover of ..."
        QImage cover;     // Image2
        int coverHeight = kCoverPictureHeight;
        CoverWindow frmCoverImage;
        CoverWindow frmBackImage;
    };

    explicit CoverPanel(RecordWindow& window) : window_(window) {}
    const State& state() const { return state_; }

    void Command10();      // show or hide the cover panel
    void mnuCoverImage();  // show the cover of the record now shown, when the panel is shown
    void Image2_Click();   // the front cover, enlarged in frmCoverImage
    void Label20_Click();  // the back cover in frmBackImage
    void Label19_Click();  // copy the panel's cover to the clipboard
    void copyPicture(CoverSide side);       // the COPY buttons of the cover windows
    void closeCoverWindow(CoverSide side);  // closed by its frame
    void closeCoverWindows();
    // After a move with the panel shown: the cover of the record moved to.
    void followRecord() {
        if (state_.coverShown == 1) mnuCoverImage();
    }
    // After a cover of the record shown was set or removed: the panel and the open cover windows
    // show what is there now; one whose picture is gone closes without a message.
    void coversChanged();
    // Before the window is closed for a restart (a re-sort): the restarted window opens without
    // the cover panel.
    void forget() { state_.coverShown = 0; }
    // As the window loads: the panel's menu entry is disabled until the panel is shown.
    void atLoad() { state_.coverImageMenuEnabled = false; }

private:
    // Loads the front cover into the panel; false when it is missing (after the message).
    bool loadPanelCover();
    void hide();
    void openCoverWindow(CoverWindow& window, const QString& file, const QString& windowCaption,
                         const QString& failure);
    QString identity() const;

    RecordWindow& window_;
    State state_;
};

}  // namespace record
