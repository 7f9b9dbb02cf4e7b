#include "MessagePresenter.h"

#include "GuiThread.h"

#include <QTextStream>
#include <atomic>

namespace {

/// Console fallback for programs without windows.
class ConsolePresenter : public MessagePresenter
{
public:
    int showDialog(const QString& text, std::uint8_t, std::uint16_t buttons,
                   std::uint8_t defaultButton) override
    {
        showMessage(text);
        static const int results[] = {6, 7, 1, 2, 3, 4, 5, 0, 13, 14, 0, 0};
        if (defaultButton < 12 && (buttons >> defaultButton & 1))
            return results[defaultButton];
        return 1;
    }
    void showMessage(const QString& text) override { QTextStream(stderr) << text << '\n'; }
    void showError(const QString& text) override { showMessage(text); }
};

std::atomic<MessagePresenter*> installed{nullptr};

} // namespace

void MessagePresenter::install(MessagePresenter* presenter)
{
    installed = presenter;
}

MessagePresenter& MessagePresenter::current()
{
    static ConsolePresenter console;
    MessagePresenter* p = installed;
    return p ? *p : console;
}

int MessagePresenter::dialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                             std::uint8_t defaultButton)
{
    int result = 0;
    GuiThread::runBlocking(
        [&] { result = current().showDialog(text, kind, buttons, defaultButton); });
    return result;
}

void MessagePresenter::message(const QString& text)
{
    GuiThread::runBlocking([&] { current().showMessage(text); });
}

void MessagePresenter::error(const QString& text)
{
    GuiThread::runBlocking([&] { current().showError(text); });
}
