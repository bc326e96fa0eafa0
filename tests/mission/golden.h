#pragma once

#include <QFile>
#include <QString>

// The bytes of a golden file in the data folder, as UTF-8; empty when it cannot be read.
inline QString golden(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
