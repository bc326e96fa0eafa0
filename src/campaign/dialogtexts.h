#pragma once

#include <QString>

namespace campaign {

inline const QString kDescriptionFile = QStringLiteral("description.ext");
inline const QString kTransferWarning = QStringLiteral(
    "Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?");

} // namespace campaign
