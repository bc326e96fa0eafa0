#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

// A golden text from the data folder beside the test, as UTF-8.
inline QString golden(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", qPrintable(name));
    return QString::fromUtf8(file.readAll());
}
