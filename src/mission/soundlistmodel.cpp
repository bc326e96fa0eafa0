#include "soundlistmodel.h"

#include "core/numbers.h"
#include "descriptiontext.h"

using namespace Qt::StringLiterals;

namespace mission {

void SoundListModel::setCountText(const QString &countText)
{
    // Anything that is no usable maximum leaves the progress as it was, without a word.
    if (const std::optional<double> maximum = core::readNumber(countText))
        m_progress.setMaximum(*maximum);
}

SoundListModel::Addition SoundListModel::add(const QString &countText, const QString &folder,
                                             const QString &fileName)
{
    const std::optional<double> count = core::readNumber(countText);
    if (!count || m_finished)
        return Addition::Ignored;
    // The progress's refusal is what stops a click once the announced sounds are in.
    if (*count > 0 && !m_progress.setValue(m_progress.value() + 1))
        return Addition::Ignored;
    if (*count > kMaxSounds) {
        m_progress.setValue(0);
        return Addition::Refused;
    }

    ++m_soundCount;
    m_entries += soundEntry(m_soundCount, folder, fileName);
    // A count typed as "05" or with a blank never matches, and the block stays open.
    m_finished = countText == QString::number(m_soundCount);
    return m_finished ? Addition::Finished : Addition::Added;
}

void SoundListModel::reset()
{
    m_soundCount = 0;
    m_finished = false;
    m_entries.clear();
    m_progress.setValue(0);
}

QString SoundListModel::fileCaption() const
{
    return m_finished ? u"Fertig"_s
                      : u"Name der "_s + QString::number(m_soundCount + 1) + u". Sounddatei"_s;
}

QString SoundListModel::block() const
{
    return m_finished ? soundBlock(m_soundCount, m_entries) : QString();
}

} // namespace mission
