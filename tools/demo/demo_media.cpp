// What the demo collection holds on one medium.
#include "demo_media.h"

#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

#include "store/opus_record.h"

namespace pictures {

QString coverName(const QString& identity) {
    QString name = identity.left(7);
    if (name.size() == 7 && name.back() == u' ') name.chop(1);
    return name;
}

QList<Work> worksOn(const QString& collectionPath, const QString& name) {
    QFile file(collectionPath);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + collectionPath.toStdString());
    const QByteArray bytes = file.readAll();
    QList<Work> works;
    for (qsizetype at = 0; at + store::kRecordLength <= bytes.size(); at += store::kRecordLength) {
        const auto record = store::OpusRecord::fromBytes(
            QByteArrayView(bytes.constData() + at, store::kRecordLength));
        if (coverName(record.text(store::Field::Identity)) != name) continue;
        works.append({record.trimmed(store::Field::Composer), record.trimmed(store::Field::Title),
                      record.trimmed(store::Field::Orchestra),
                      record.trimmed(store::Field::Soloists)});
    }
    if (works.isEmpty())
        throw std::runtime_error("no record of " + name.toStdString() + " in " +
                                 collectionPath.toStdString());
    return works;
}

QStringList namesIn(const QString& field) {
    static const QRegularExpression gap(QStringLiteral(" {2,}"));
    return field.split(gap, Qt::SkipEmptyParts);
}

}  // namespace pictures
