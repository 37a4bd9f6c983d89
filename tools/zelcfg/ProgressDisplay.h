#pragma once

#include <QString>

#include <cstdio>

// How far a transfer has come, on standard error. On a terminal one line is
// redrawn in place: the caption, a bar, the percentage and the bytes (or the
// bytes alone while the total is unknown), and cleared at the end. Otherwise
// plain lines: the caption when a transfer starts and a line at each quarter.
class ProgressDisplay
{
public:
    enum class Style
    {
        Terminal,
        Lines,
        Off,
    };

    ProgressDisplay(std::FILE* out, Style style) : m_out(out), m_style(style) {}
    // Terminal when `out` is one, else lines; Off when `quiet`.
    static Style styleFor(std::FILE* out, bool quiet);

    // An empty caption keeps the last one.
    void begin(const QString& caption);
    // total <= 0: not known.
    void update(qint64 done, qint64 total);
    void end();

    static constexpr int BarWidth = 30;
    // "caption [#######.......]  45%  880/1958 bytes" or "caption  880 bytes".
    static QString terminalLine(const QString& caption, qint64 done, qint64 total);

private:
    void draw(const QString& text);
    void print(const QString& text);

    std::FILE* m_out;
    Style m_style;
    QString m_caption = QStringLiteral("zelcfg");
    QString m_lastLineCaption;
    int m_quarter = 0;
    bool m_drawn = false;
};
