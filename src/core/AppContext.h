#pragma once

class AppLog;
class Clock;
class MessageTexts;
class UserInterface;
struct AppSettings;

// The run's shared parts, handed to every operation that reports to the user.
struct AppContext
{
    AppSettings& settings;
    MessageTexts& messages;
    AppLog& log;
    UserInterface& ui;
    const Clock& clock;
};
