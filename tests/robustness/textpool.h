#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What the random user types: ordinary words, every awkward character and every odd way of
// writing a number.
const QStringList &textPool();

// The words "nan", "inf" and "infinity" (in any case) that stand alone in the text: what a
// number shows when it went wrong.
QSet<QString> badNumberWords(QStringView text);
