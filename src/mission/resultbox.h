#pragma once

#include <QString>

class QPlainTextEdit;

namespace mission {

// The exact text of a multi-line box with CR LF line ends. The box's own plain text turns
// some characters (such as no-break spaces) into others, which a saved file must not see.
QString resultBoxText(const QPlainTextEdit &box);

} // namespace mission
