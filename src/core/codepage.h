#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace core {

// Windows-1252, the single-byte code page the game's files are written in. Our own table:
// the system converters either lack it or write 0x1A for characters they cannot map.
// Every byte maps to one character and back, so any file survives open and save unchanged;
// the five bytes the code page leaves undefined map to the C1 controls of the same value.
QString fromCp1252(QByteArrayView bytes);

// One byte per character; a character the code page cannot hold becomes '?'.
QByteArray toCp1252(QStringView text);

// The same, appended to bytes: a long text can be encoded piece by piece into one buffer.
// A piece must not end between the two halves of a surrogate pair.
void appendCp1252(QByteArray &bytes, QStringView text);

} // namespace core
