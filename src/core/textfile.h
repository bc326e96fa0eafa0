#pragma once

#include <QString>

#include <functional>

namespace core {

// Called after each chunk with the number of bytes written so far; returning false abandons
// the write. Only tests use it, to interrupt a save half-way.
using WriteProgress = std::function<bool(qint64 written)>;

// Writes the text followed by one CR LF in Windows-1252 and replaces the file with it.
// The old file stays intact when anything fails on the way: the new content goes into a
// file beside it first and replaces the old one only when complete. Where the folder takes
// no new file but the file itself is writable, the file is written in place.
bool writeTextFile(const QString &path, const QString &text, const WriteProgress &progress = {});

} // namespace core
