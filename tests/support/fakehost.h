#pragma once

#include "ui/host.h"
#include "ui/maintext.h"

#include <QList>
#include <QQueue>
#include <QString>

// A host that shows nothing: it records every call and answers from queues filled by the
// test. An empty queue answers OK, an empty text or an empty path (Cancel).
class FakeHost : public ui::Host
{
public:
    struct Message
    {
        QString title;
        QString text;
        ui::Buttons buttons;
        ui::Icon icon;
    };
    struct Input
    {
        QString prompt;
        QString title;
        QString defaultText;
    };

    explicit FakeHost(QString programFolder = QString()) : m_folder(std::move(programFolder)) {}

    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;
    QString programFolder() const override { return m_folder; }

    void setProgramFolder(const QString &folder) { m_folder = folder; }

    QQueue<ui::Answer> answers;
    QQueue<QString> inputs;
    QQueue<QString> fileNames; // for open and save dialogs alike

    QList<Message> messages;
    QList<Input> inputCalls;
    QStringList fileDialogFilters;

    // The texts of all messages so far, for quick comparisons.
    QStringList messageTexts() const;
    const Message &lastMessage() const { return messages.constLast(); }

private:
    QString m_folder;
};

// A main text that is a plain string, for dialogs tried without the main window.
struct FakeMainText : ui::MainText
{
    QString value;
    QString text() const override { return value; }
    void replace(const QString &text) override { value = text; }
};
