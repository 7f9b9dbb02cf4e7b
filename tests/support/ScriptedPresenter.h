#pragma once

#include "MessagePresenter.h"

#include <QList>
#include <QString>
#include <functional>

/// Test presenter: records every message and answers dialogs from a script. Installed for
/// its lifetime.
class ScriptedPresenter : public MessagePresenter
{
public:
    enum class Shown { Dialog, Message, Error };

    struct Entry
    {
        Shown shown;
        QString text;
        int kind = -1;
        int buttons = 0;
        int defaultButton = -1;
    };

    ScriptedPresenter();
    ~ScriptedPresenter() override;

    /// Result codes given to the next dialogs, in order; when empty a dialog answers as
    /// Enter would (OK if offered, else Yes, else Retry).
    void answer(QList<int> results) { m_answers += results; }
    /// Called for every message as it is shown (for example to check the window state).
    void onShow(std::function<void(const Entry&)> hook) { m_hook = std::move(hook); }

    const QList<Entry>& entries() const { return m_entries; }
    QStringList texts() const;
    int count(Shown shown) const;
    void clear() { m_entries.clear(); }

    int showDialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                   std::uint8_t defaultButton) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;

private:
    void record(Entry entry);

    QList<Entry> m_entries;
    QList<int> m_answers;
    std::function<void(const Entry&)> m_hook;
};
