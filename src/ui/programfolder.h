#pragma once

#include <QString>

#include <functional>

namespace ui {

class Host;

inline const QString kSaveFailed = QStringLiteral("Die Datei konnte nicht ertsellt werden");

// The full path of a file in the program folder, in the platform's native form.
QString programFolderFile(const Host &host, const QString &fileName);

// Writes the text (and one CR LF) to the named file in the program folder and reports the
// outcome: "Erfolgreich gespeichert" and the path (title "Info"), or the failure text
// (title "Fehler"). A dialog that shows something of its own between a complete file and
// the message passes it as afterWrite. Returns whether the file was written.
bool saveToProgramFolder(Host &host, const QString &fileName, const QString &text,
                         const QString &failureText = kSaveFailed,
                         const std::function<void()> &afterWrite = {});

} // namespace ui
