#pragma once

#include <QString>

#include <optional>

// Reads part of a file as Windows-1252 text. start counts from 1; a length of 0 reads to the
// end of the file; a start below 1 asks for the last |length| bytes; a negative length asks
// for the |length| bytes that end at start. Positions are 32-bit like the file format's
// callers expect, and an arithmetic overflow on the way is a failure. Only a regular file is
// read (a symbolic link to one is followed); a file that reports the size 0 is read whole to
// learn its length. nullopt on any failure (missing, unreadable or special file, overflow, not
// enough memory); the empty text when the range holds no byte.
std::optional<QString> ReadFilePart(const QString &path, qint32 start, qint32 length);
