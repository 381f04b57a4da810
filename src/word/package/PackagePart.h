#pragma once

#include <QByteArray>
#include <QString>

namespace word::package {

// One part of an Open Packaging Conventions package: its name inside the zip
// (no leading "/"), its content type and its bytes.
struct PackagePart {
    QString name;
    QString contentType;
    QByteArray data;
};

// One relationship of a .rels part.
struct Relationship {
    QString id;
    QString type;
    QString target;
};

}  // namespace word::package
