#include "ModalWatcher.h"

#include <QApplication>
#include <QWidget>

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> handler) : m_handler(std::move(handler))
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::look);
    m_timer.start(20);
}

void ModalWatcher::look()
{
    // A handler may itself run a nested event loop (pressing a button of a dialog).
    if (m_handling)
        return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    m_handling = true;
    m_handler(modal);
    m_handling = false;
}
