#pragma once

#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal pair; the slave stays open here too, so that the master
// does not report a hang-up before the program has opened its side.
struct PseudoTerminal
{
    PseudoTerminal()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        device = QString::fromLocal8Bit(ptsname(master));
        slave = ::open(ptsname(master), O_RDWR | O_NOCTTY);
        termios raw{};
        if (slave >= 0 && tcgetattr(slave, &raw) == 0) {
            cfmakeraw(&raw);
            tcsetattr(slave, TCSANOW, &raw);
        }
    }
    ~PseudoTerminal()
    {
        if (slave >= 0)
            ::close(slave);
        if (master >= 0)
            ::close(master);
    }
    void drain() const
    {
        char buffer[256];
        while (::read(master, buffer, sizeof buffer) > 0) {
        }
    }
    bool ok() const { return master >= 0 && slave >= 0; }

    int master = -1;
    int slave = -1;
    QString device;
};
