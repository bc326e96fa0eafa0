#pragma once

#include "core/progressmodel.h"

#include <QString>

namespace mission {

// The sound editor's rules, without the dialog: the sounds of one folder are added one at a
// time, and once as many are in as the count field says, the class CfgSounds block is done.
class SoundListModel
{
public:
    static constexpr int kMaxSounds = 30;
    static inline const QString kTooMany = QStringLiteral("Vorerst maximal 30 Sounds...");

    enum class Addition {
        Ignored,  // the count is no number, or the progress would pass its maximum
        Refused,  // more than 30 sounds announced: kTooMany is shown
        Added,    // one more sound
        Finished, // the sound whose number the count field reads: the block is done
    };

    // The count field changed: a number it holds becomes the progress maximum, where the
    // progress takes it.
    void setCountText(const QString &countText);
    // One click of "Hinzufügen", with the texts of the three fields.
    Addition add(const QString &countText, const QString &folder, const QString &fileName);
    // Everything collected is dropped; the progress maximum stays.
    void reset();

    int soundCount() const { return m_soundCount; }
    bool finished() const { return m_finished; }
    // Folder and count cannot change once a sound is in.
    bool fieldsLocked() const { return m_soundCount > 0; }
    // The caption above the file name field.
    QString fileCaption() const;
    // The whole block once finished; empty before.
    QString block() const;
    const core::ProgressModel &progress() const { return m_progress; }

private:
    core::ProgressModel m_progress;
    int m_soundCount = 0;
    bool m_finished = false;
    QString m_entries;
};

} // namespace mission
