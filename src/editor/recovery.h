#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QTimer;

namespace editor {

class MainTextEdit;

// Keeps the main text in a file of its own while it holds changes that no file of the user
// holds: every half minute while they last, and when the program ends. So a crash or a power
// cut costs at most half a minute of typing, and closing without saving costs nothing. The
// file is written as every file is, whole or not at all.
class TextRecovery : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMillis = 30'000;

    TextRecovery(MainTextEdit &text, QString path, QObject *parent = nullptr);

    // Writes the main text into the file when it has changed since it was last kept and
    // differs from the file it was last opened from or saved to. False when writing failed.
    bool keep();
    // The text last kept; nothing when there is none.
    std::optional<QString> read() const;
    bool hasText() const;

private:
    MainTextEdit &m_text;
    QString m_path;
    QTimer *m_timer = nullptr;
    bool m_changed = false; // since the text was last kept
};

} // namespace editor
