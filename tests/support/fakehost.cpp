#include "fakehost.h"

ui::Answer FakeHost::message(const QString &title, const QString &text, ui::Buttons buttons,
                             ui::Icon icon)
{
    messages.append({title, text, buttons, icon});
    return buttons == ui::Buttons::Ok || answers.isEmpty() ? ui::Answer::Ok : answers.dequeue();
}

QString FakeHost::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    inputCalls.append({prompt, title, defaultText});
    return inputs.isEmpty() ? QString() : inputs.dequeue();
}

QString FakeHost::openFileName(const QString &filter)
{
    fileDialogFilters.append(filter);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakeHost::saveFileName(const QString &filter)
{
    return FakeHost::openFileName(filter);
}

QStringList FakeHost::messageTexts() const
{
    QStringList texts;
    for (const Message &m : messages)
        texts.append(m.text);
    return texts;
}
