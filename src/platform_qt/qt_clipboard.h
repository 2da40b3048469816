#pragma once
// The system clipboard through QClipboard.

#include "platform/clipboard.h"

namespace platform {

class QtClipboard : public Clipboard {
public:
    void setImage(const QImage& image) override;
    QImage image() const override;
};

}  // namespace platform
