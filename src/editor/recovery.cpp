#include "recovery.h"

#include "core/textfile.h"
#include "maintextedit.h"
#include "readfilepart.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <QTimer>

#include <new>

using namespace Qt::StringLiterals;

namespace editor {

TextRecovery::TextRecovery(MainTextEdit &text, QString path, QObject *parent)
    : QObject(parent), m_text(text), m_path(std::move(path))
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(u"recoveryTimer"_s);
    m_timer->setInterval(kIntervalMillis);
    connect(m_timer, &QTimer::timeout, this, &TextRecovery::keep);
    connect(m_text.document(), &QTextDocument::contentsChanged, this, [this] { m_changed = true; });
    m_timer->start();
}

bool TextRecovery::keep()
{
    // An empty text is nothing to bring back, and must not replace one that is.
    if (!m_changed || !m_text.document()->isModified() || m_text.isEmpty())
        return true;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    try {
        core::TextFileWriter writer(m_path);
        m_text.writeText([&writer](QStringView piece) { writer.append(piece); });
        if (!writer.commit())
            return false;
    } catch (const std::bad_alloc &) {
        return false;
    }
    m_changed = false;
    return true;
}

std::optional<QString> TextRecovery::read() const
{
    std::optional<QString> text = ReadFilePart(m_path, 1, 0);
    // Written as every file is, with one CR LF after the text.
    if (!text || !text->endsWith(u"\r\n"_s))
        return std::nullopt;
    text->chop(2);
    return text;
}

bool TextRecovery::hasText() const
{
    return QFileInfo(m_path).isFile();
}

} // namespace editor
