#include "filecommands.h"

#include "core/textfile.h"
#include "maintextedit.h"
#include "readfilepart.h"
#include "ui/host.h"

namespace editor {

FileCommands::FileCommands(ui::Host &host, MainTextEdit &mainText)
    : m_host(host), m_mainText(mainText)
{}

void FileCommands::open()
{
    m_openedPath = m_host.openFileName(kFilter);
    if (const std::optional<QString> text = ReadFilePart(m_openedPath, 1, 0))
        m_mainText.setText(*text);
}

void FileCommands::saveAs()
{
    m_saveAsPath = m_host.saveFileName(kFilter);
    core::writeTextFile(m_saveAsPath, m_mainText.text());
}

void FileCommands::save()
{
    if (m_saveAsPath.isEmpty() && m_openedPath.isEmpty())
        return;
    const QString text = m_mainText.text();
    // A failure with the first file leaves the second one alone.
    if (!m_saveAsPath.isEmpty() && !core::writeTextFile(m_saveAsPath, text))
        return;
    if (!m_openedPath.isEmpty())
        core::writeTextFile(m_openedPath, text);
}

} // namespace editor
