#pragma once

#include <QIcon>
#include <QString>

namespace ui {

// The picture of a resource PNG (":/icons/open" for ":/icons/open.png") with its sharper
// twin for high-density screens ("open@2x.png") where there is one. Read as PNG straight
// away: asking the toolkit to guess the format loads every image plugin it has first.
QIcon picture(const QString &path);

} // namespace ui
