#include "support/collection_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include "store/codepage.h"
#include "store/name_list.h"

namespace testing {

store::OpusRecord record(const QStringList& fields) {
    store::OpusRecord r;
    for (int i = 0; i < fields.size() && i < store::kFieldCount; ++i) {
        r.setText(store::kAllFields[i], fields[i]);
    }
    return r;
}

CollectionDir::CollectionDir(const std::vector<QStringList>& records, bool createFile)
    : oldCurrent_(QDir::currentPath()), oldHome_(qgetenv("HOME")) {
    QVERIFY(dir_.isValid());
    QDir::setCurrent(dir_.path());
    qputenv("HOME", dir_.path().toLocal8Bit());
    // The user's settings (the recent collections) live under this home too, whatever the
    // environment says of the configuration folder.
    QStandardPaths::setTestModeEnabled(true);
    if (createFile) {
        QByteArray bytes;
        for (const QStringList& fields : records) bytes += record(fields).bytes().toByteArray();
        write(QStringLiteral("Clasical.dat"), bytes);
    }
    int i = 0;
    for (const auto& list : store::kNameLists) {
        ++i;
        write(QString::fromLatin1(list.file),
              QStringLiteral("Name %1 b\r\nName %1 a\r\n").arg(i).toLatin1());
    }
}

CollectionDir::~CollectionDir() {
    QDir::setCurrent(oldCurrent_);
    qputenv("HOME", oldHome_);
}

QString CollectionDir::path(const QString& name) const {
    return name.isEmpty() ? dir_.path() : dir_.filePath(name);
}

QByteArray CollectionDir::bytes(const QString& name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void CollectionDir::write(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile f(path(name));
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(f.errorString()));
    f.write(bytes);
}

QByteArray CollectionDir::recordBytes(int n) const {
    return bytes().mid(qint64(n - 1) * store::kRecordLength, store::kRecordLength);
}

QString CollectionDir::field(int n, store::Field f) const {
    return store::fromDisk(recordBytes(n).mid(store::fieldOffset(f), store::fieldWidth(f)));
}

qint64 CollectionDir::fileLength() const {
    return QFileInfo(path(QStringLiteral("Clasical.dat"))).size();
}

std::vector<QStringList> numberedRecords(int count) {
    std::vector<QStringList> records;
    for (int i = 1; i <= count; ++i) {
        records.push_back(
            {QStringLiteral("No%1 %2").arg(i, 4, 10, QLatin1Char('0')).arg(i % 2 ? "CD" : "LP"),
             QStringLiteral("Composer %1").arg(i), QStringLiteral("Title %1").arg(i),
             QStringLiteral("Orchestra %1").arg(i), QStringLiteral("Soloists %1").arg(i),
             QStringLiteral("Cover %1").arg(i)});
    }
    return records;
}

}  // namespace testing
