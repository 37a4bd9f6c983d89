#include "HeldBoxes.h"

void HeldBoxes::release()
{
    if (--m_holds == 0)
        showWaiting();
}

void HeldBoxes::releaseLater()
{
    if (--m_holds == 0 && !m_boxes.isEmpty())
        QMetaObject::invokeMethod(this, &HeldBoxes::showWaiting, Qt::QueuedConnection);
}

void HeldBoxes::messageBox(MessageIcon icon, const QString& title, const QString& text)
{
    m_boxes.append({icon, title, text});
    showWaiting();
}

void HeldBoxes::showWaiting()
{
    if (m_holds > 0 || m_open || m_boxes.isEmpty())
        return;
    while (!m_boxes.isEmpty() && m_holds == 0) {
        const Box box = m_boxes.takeFirst();
        m_open = true;
        m_ui.messageBox(box.icon, box.title, box.text);
        m_open = false;
    }
    if (m_boxes.isEmpty())
        Q_EMIT settled();
}
