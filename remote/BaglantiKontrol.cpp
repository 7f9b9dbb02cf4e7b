#include "BaglantiKontrol.h"

#include "MessagePresenter.h"
#include "RemoteConnection.h"
#include "RemoteError.h"

#include <QThread>

namespace {

constexpr int MaxAttempts = 11;
constexpr int PauseMs = 500;

} // namespace

bool BaglantiKontrol(RemoteConnection& connection, bool report)
{
    connection.Close();
    int attempts = 0;
    while (attempts < MaxAttempts) {
        try {
            connection.Open();
            break;
        } catch (const RemoteError& e) {
            MessagePresenter::message(e.text());
            connection.Close();
            ++attempts;
            QThread::msleep(PauseMs);
        }
    }
    if (connection.Connected())
        return true;
    if (report)
        MessagePresenter::dialog(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"),
                                 1, 1 << 2, 2);
    return false;
}
