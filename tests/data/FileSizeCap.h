#pragma once

// Caps the size of files this process may write, as a full disk would.
// Writes beyond the cap fail instead of raising SIGXFSZ.
class FileSizeCap
{
public:
    explicit FileSizeCap(long long bytes);
    ~FileSizeCap();
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

private:
    long long m_previous = 0;
    void (*m_previousHandler)(int) = nullptr;
};
