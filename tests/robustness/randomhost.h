#pragma once

#include "ui/host.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <random>

// The random numbers of one run. The draws are done by hand from the raw engine so that a
// seed gives the same run with every standard library.
class Random
{
public:
    explicit Random(quint64 seed) : m_engine(seed) {}
    int below(int n) { return n <= 1 ? 0 : int(m_engine() % quint64(n)); }
    bool percent(int p) { return below(100) < p; }
    template <typename List> const auto &pick(const List &list)
    {
        return list.at(below(int(list.size())));
    }

private:
    std::mt19937_64 m_engine;
};

// A host that answers like a careless user: OK or Cancel at random, a random text in input
// boxes, and in file dialogs a new file, an existing file, nothing (Cancel), a folder or a
// path through a regular file. Every path it hands out is remembered, because the program
// may write there and nowhere else outside its own folder.
class RandomHost : public ui::Host
{
public:
    using Log = std::function<void(const QString &)>;

    // programFolder and otherFolder exist; the files the host offers are looked up in both.
    RandomHost(Random &random, QString programFolder, QString otherFolder, Log log);

    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;
    QString programFolder() const override { return m_programFolder; }

    // Absolute, clean paths of every file path handed out so far.
    const QSet<QString> &handedOut() const { return m_handedOut; }
    // Texts returned from input boxes since the last call.
    QStringList takeInputs();

private:
    QString filePath(const QString &kind);

    Random &m_random;
    QString m_programFolder;
    QString m_otherFolder;
    Log m_log;
    QSet<QString> m_handedOut;
    QStringList m_inputs;
    int m_newFiles = 0;
};
