#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

/// Hands every modal window that comes up to a handler, which inspects it and closes it.
/// A handler that leaves the window open sees it again shortly.
class ModalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ModalWatcher(std::function<void(QWidget*)> handler);

private:
    void look();

    std::function<void(QWidget*)> m_handler;
    QTimer m_timer;
    bool m_handling = false;
};
