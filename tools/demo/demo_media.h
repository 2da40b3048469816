#pragma once
// What the demo collection holds on one medium, read from its collection file, so that the back
// covers list exactly the works the catalogue shows.

#include <QList>
#include <QString>

namespace pictures {

struct Work {
    QString composer;
    QString title;
    QString orchestra;  // orchestra and conductor, parted by two blanks
    QString soloists;   // names parted by two blanks
};

// The name a record's cover files take: the first 7 characters of its Identity, without the 7th
// when that is a blank ("No9001 CD" gives "No9001").
QString coverName(const QString& identity);

// The works of every record whose cover name is `name`, in the order of the file. Throws
// std::runtime_error when the file cannot be read or holds no such record.
QList<Work> worksOn(const QString& collectionPath, const QString& name);

// The names of a field that holds several, parted by two or more blanks.
QStringList namesIn(const QString& field);

}  // namespace pictures
