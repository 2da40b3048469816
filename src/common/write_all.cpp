#include "common/write_all.h"

namespace common {

bool writeAll(QIODevice& device, QByteArrayView data) {
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 written = device.write(data.data() + done, data.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

}  // namespace common
