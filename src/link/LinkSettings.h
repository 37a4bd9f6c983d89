#pragma once

// The link's own values from section "Comm", beside the port's properties.
struct LinkSettings
{
    int TimeOut = 10; // seconds for every transmission and wait; 0 or less: none
    bool ShowCancelDialog = true;
    int TimerInterval = 500; // ms from the last received bytes to the hand-over of the frame
    int DebugLevel = 0;      // 1 frames, 2 discarded bytes, 3 both to the debug monitor
    // With frames shown, the frames the program sends are shown as well.
    bool DebugShowSent = false;
};
