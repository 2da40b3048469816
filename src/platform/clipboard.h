#pragma once
// The clipboard, as far as the program uses it: a cover picture is put on it.

class QImage;

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Clears the clipboard and puts the picture on it.
    virtual void setImage(const QImage& image) = 0;
};

}  // namespace platform
