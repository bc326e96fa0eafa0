#pragma once

// Small helpers the benchmarks share: memory figures, medians, generated scripts and a key
// press timed together with the repaint it causes.
#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace bench {

// A figure of /proc/self/status in MB (VmRSS, VmHWM); 0 where the system has none.
inline double statusMegabytes(const char *key)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key)) + 1).trimmed().split(' ').value(0).toDouble() /
                   1024.0;
    }
    return 0;
}
inline double residentMegabytes()
{
    return statusMegabytes("VmRSS");
}
inline double peakMegabytes()
{
    return statusMegabytes("VmHWM");
}
// Starts a new peak from what is resident now.
inline void resetPeak()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A script of 80-character lines (78 characters and CR LF).
inline QByteArray script(qint64 bytes)
{
    QByteArray line = "_unit setpos [(getpos this select 0),(getpos this select 1),10]; ~1 ";
    line = line.leftJustified(78, '#') + "\r\n";
    QByteArray text;
    text.reserve(bytes);
    while (text.size() + line.size() <= bytes)
        text += line;
    return text;
}

// One script line of the given size without a line break.
inline QByteArray longLine(qint64 bytes)
{
    const QByteArray words = "_x = _x + [\"Punkt\", getpos _unit, 10] ; hint \"lang\" ";
    QByteArray text;
    text.reserve(bytes);
    while (text.size() < bytes)
        text += words;
    text.truncate(bytes);
    return text;
}

// Milliseconds for one key press and release sent to the widget, the layout and the repaint
// it causes included.
inline double keyMillis(QWidget *target, int key, const QString &text)
{
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Ends the application as soon as the window's first paint has been handled.
class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QWidget &window) : QObject(&window)
    {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued: the paint of the whole window ends first.
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace bench
