#pragma once

#include "testsettings.h"
#include "ui/host.h"

#include <QCoreApplication>
#include <QList>
#include <QQueue>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

// A host that shows nothing: it records every call and answers from queues filled by the
// test. An empty queue answers OK, an empty text or an empty path (Cancel). A program on it
// starts with empty settings of the test's own, and keeps its text in the test locations,
// never in the user's.
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

    explicit FakeHost(QString programFolder = QString()) : m_folder(std::move(programFolder))
    {
        useEmptyTestSettings();
    }

    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon icon) override
    {
        messages.append({title, text, buttons, icon});
        return buttons == ui::Buttons::Ok || answers.isEmpty() ? ui::Answer::Ok : answers.dequeue();
    }
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override
    {
        inputCalls.append({prompt, title, defaultText});
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }
    QString openFileName(const QString &filter) override
    {
        fileDialogFilters.append(filter);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(const QString &filter) override { return openFileName(filter); }
    QString folderName(const QString &title) override
    {
        folderDialogTitles.append(title);
        return folderNames.isEmpty() ? QString() : folderNames.dequeue();
    }
    void showFolder(const QString &path) override { shownFolders.append(path); }
    QString programFolder() const override { return m_folder; }

    QQueue<ui::Answer> answers;
    QQueue<QString> inputs;
    QQueue<QString> fileNames; // for open and save dialogs alike
    QQueue<QString> folderNames;

    QList<Message> messages;
    QList<Input> inputCalls;
    QStringList fileDialogFilters;
    QStringList folderDialogTitles;
    QStringList shownFolders;

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message &m : messages)
            texts.append(m.text);
        return texts;
    }
    const Message &lastMessage() const { return messages.constLast(); }

private:
    QString m_folder;
};
