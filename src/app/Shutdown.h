#pragma once

#include <functional>

struct AppContext;
class AppWindows;
class SerialLink;

// The one way the program ends: optionally asks, logs why, stores the main
// window's placement and the selected page, tidies the settings file, closes
// the port and the log, closes every window and ends the process.
class Shutdown
{
public:
    // Ends the process with the given exit status.
    using Terminate = std::function<void(int exitStatus)>;

    Shutdown(AppContext& ctx, AppWindows& windows, Terminate terminate);

    // The link exists only once start-up has set it up.
    void setLink(SerialLink* link) { m_link = link; }
    // Until start-up has put the main window where it was, its placement and
    // page are not the user's and must not overwrite the stored ones.
    void setPlacementRestored(bool restored) { m_placementRestored = restored; }

    // False when the user declined; otherwise the process ends with the exit
    // status (tests replace the termination, and the call then returns true).
    // The settings file is tidied only after a start-up that went through: a
    // file start-up could not use is left as the user wrote it.
    bool EndProgram(bool ask, int exitStatus = 0);
    bool ended() const { return m_ended; }

private:
    AppContext& m_ctx;
    AppWindows& m_windows;
    Terminate m_terminate;
    SerialLink* m_link = nullptr;
    bool m_placementRestored = false;
    bool m_ended = false;
};
