#pragma once

#include "UserInterface.h"

#include <QString>

struct AppContext;

// Where a link message goes. Log and status lines get two leading blanks.
enum LinkChannel : unsigned
{
    ToStatus = 1,
    ToLog = 2,
    ToLogUnindented = 4,
    ToBox = 8, // only when "ShowMsgBox" is set
    ToBoxAlways = 16,
    ToBoxOrStatus = 32, // the box when "ShowMsgBox" is set, otherwise the status line
};

void ShowLinkMessage(AppContext& ctx, const QString& text, unsigned channels,
                     MessageIcon icon = MessageIcon::Exclamation);
