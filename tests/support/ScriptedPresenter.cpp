#include "ScriptedPresenter.h"

ScriptedPresenter::ScriptedPresenter()
{
    MessagePresenter::install(this);
}

ScriptedPresenter::~ScriptedPresenter()
{
    MessagePresenter::install(nullptr);
}

QStringList ScriptedPresenter::texts() const
{
    QStringList list;
    for (const auto& e : m_entries)
        list << e.text;
    return list;
}

int ScriptedPresenter::count(Shown shown) const
{
    int n = 0;
    for (const auto& e : m_entries)
        n += e.shown == shown ? 1 : 0;
    return n;
}

void ScriptedPresenter::record(Entry entry)
{
    m_entries << entry;
    if (m_hook)
        m_hook(entry);
}

int ScriptedPresenter::showDialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                                  std::uint8_t defaultButton)
{
    record({Shown::Dialog, text, kind, buttons, defaultButton});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    if (buttons & (1 << 2))
        return 1; // OK
    if (buttons & (1 << 0))
        return 6; // Yes
    return buttons & (1 << 5) ? 4 : 0; // Retry
}

void ScriptedPresenter::showMessage(const QString& text)
{
    record({Shown::Message, text});
}

void ScriptedPresenter::showError(const QString& text)
{
    record({Shown::Error, text});
}
