#pragma once

#include "ui/host.h"

#include <QDir>
#include <QStandardPaths>

// A host for benchmarks: answers OK, and hands out the one file name it was given.
class BenchHost : public ui::Host
{
public:
    // The user's settings and recovered text stay out of every run.
    BenchHost() { QStandardPaths::setTestModeEnabled(true); }

    QString fileName;

    ui::Answer message(const QString &, const QString &, ui::Buttons, ui::Icon) override
    {
        return ui::Answer::Ok;
    }
    QString input(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &) override { return fileName; }
    QString saveFileName(const QString &) override { return fileName; }
    QString folderName(const QString &) override { return {}; }
    void showFolder(const QString &) override {}
    QString programFolder() const override { return QDir::tempPath(); }
};
