#pragma once

#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <type_traits>

// Counts the emissions of one signal and keeps their first text argument.
class SignalRecorder
{
public:
    template <typename Sender, typename Owner, typename... Args>
    SignalRecorder(Sender* sender, void (Owner::*signal)(Args...))
    {
        QObject::connect(sender, signal, &m_context, [this](auto... args) { record(args...); });
    }

    int count() const { return m_count; }
    const QStringList& texts() const { return m_texts; }
    bool anyContains(const QString& part) const
    {
        for (const QString& t : m_texts)
            if (t.contains(part))
                return true;
        return false;
    }
    // Runs the event loop until the next emission or the time-out.
    bool wait(int ms)
    {
        const int before = m_count;
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        m_wake = [&] { loop.quit(); };
        loop.exec();
        m_wake = nullptr;
        return m_count > before;
    }

private:
    template <typename... Args> void record(const Args&... args)
    {
        ++m_count;
        if constexpr (sizeof...(Args) > 0)
            m_texts.append(firstText(args...));
        if (m_wake)
            m_wake();
    }
    template <typename First, typename... Rest> static QString firstText(const First& first, const Rest&...)
    {
        if constexpr (std::is_convertible_v<First, QString>)
            return first;
        else
            return {};
    }

    QObject m_context;
    int m_count = 0;
    QStringList m_texts;
    std::function<void()> m_wake;
};
