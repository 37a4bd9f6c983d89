#include "UserInterface.h"

void ShowStatus(UserInterface& ui, const QString& text)
{
    const QString trimmed = text.trimmed();
    ui.setStatusLine(trimmed.isEmpty() ? QString() : QLatin1Char(' ') + trimmed, trimmed);
}
