#pragma once
// The clipboard, as far as the program uses it: a cover picture is put on it or taken from it.

#include <QImage>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Clears the clipboard and puts the picture on it.
    virtual void setImage(const QImage& image) = 0;
    // The picture on the clipboard; a null image when it holds none.
    virtual QImage image() const = 0;
};

}  // namespace platform
