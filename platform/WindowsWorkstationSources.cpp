#include "WindowsWorkstationSources.h"

#include "AppError.h"

#include <nb30.h>
#include <wbemidl.h>
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

namespace {

/// Names of at most 15 characters: room for 16 with the terminating zero.
constexpr DWORD NameRoom = 16;

QString fromWide(const wchar_t* text)
{
    return QString::fromWCharArray(text);
}

/// Raises the failure of a management step with its result code.
void check(HRESULT hr, const char* step)
{
    if (FAILED(hr))
        throw AppError(QStringLiteral("%1: 0x%2")
                           .arg(QLatin1String(step))
                           .arg(static_cast<quint32>(hr), 8, 16, QLatin1Char('0')));
}

/// Releases a COM interface when it goes out of scope.
template <typename T> class ComRef
{
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef()
    {
        if (m_p)
            m_p->Release();
    }
    T* get() const { return m_p; }
    T** out() { return &m_p; }

private:
    T* m_p = nullptr;
};

/// A COM string freed when it goes out of scope.
class Bstr
{
public:
    explicit Bstr(const wchar_t* text) : m_text(SysAllocString(text)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(m_text); }
    operator BSTR() const { return m_text; }

private:
    BSTR m_text;
};

/// Keeps the component runtime initialised on this thread for the scope's lifetime.
class ComScope
{
public:
    ComScope() : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }

private:
    HRESULT m_hr;
};

QStringList querySerials(IWbemServices* services)
{
    ComRef<IEnumWbemClassObject> rows;
    check(services->ExecQuery(Bstr(L"WQL"),
                              Bstr(L"SELECT SerialNumber FROM Win32_DiskDrive WHERE "
                                   L"DeviceID=\"\\\\\\\\.\\\\PHYSICALDRIVE0\""),
                              WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                              rows.out()),
          "ExecQuery");
    QStringList serials;
    for (;;) {
        ComRef<IWbemClassObject> row;
        ULONG returned = 0;
        if (rows.get()->Next(WBEM_INFINITE, 1, row.out(), &returned) != WBEM_S_NO_ERROR ||
            returned == 0)
            break;
        VARIANT value;
        VariantInit(&value);
        check(row.get()->Get(L"SerialNumber", 0, &value, nullptr, nullptr), "SerialNumber");
        serials.append(value.vt == VT_BSTR ? fromWide(value.bstrVal) : QString());
        VariantClear(&value);
    }
    return serials;
}

unsigned char netbios(NCB& ncb)
{
    Netbios(&ncb);
    return ncb.ncb_retcode;
}

std::optional<QByteArray> adapterStatus(unsigned char lana)
{
    NCB ncb{};
    ncb.ncb_command = NCBRESET;
    ncb.ncb_lana_num = lana;
    netbios(ncb);

    unsigned char answer[60] = {};
    ncb = NCB{};
    ncb.ncb_command = NCBASTAT;
    ncb.ncb_lana_num = lana;
    memcpy(ncb.ncb_callname, "*               ", NCBNAMSZ);
    ncb.ncb_buffer = answer;
    ncb.ncb_length = sizeof answer;
    const unsigned char code = netbios(ncb);
    if (code != NRC_GOODRET && code != NRC_BUFLEN)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char*>(answer), 6);
}

} // namespace

QString WindowsWorkstationSources::computerName() const
{
    wchar_t name[NameRoom];
    DWORD size = NameRoom;
    return GetComputerNameW(name, &size) ? fromWide(name) : QString();
}

QString WindowsWorkstationSources::userName() const
{
    wchar_t name[NameRoom];
    DWORD size = NameRoom;
    return GetUserNameW(name, &size) ? fromWide(name) : QString();
}

QString WindowsWorkstationSources::localIpv4() const
{
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0)
        return {};
    QString result;
    char host[256] = {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* answer = nullptr;
    if (gethostname(host, sizeof host) == 0 && getaddrinfo(host, nullptr, &hints, &answer) == 0) {
        char text[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<sockaddr_in*>(answer->ai_addr);
        if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text))
            result = QString::fromLatin1(text);
        freeaddrinfo(answer);
    }
    WSACleanup();
    return result;
}

QStringList WindowsWorkstationSources::diskSerialRows() const
{
    ComScope com;
    ComRef<IWbemLocator> locator;
    check(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                           reinterpret_cast<void**>(locator.out())),
          "WbemLocator");
    ComRef<IWbemServices> services;
    check(locator.get()->ConnectServer(Bstr(L"\\\\localhost\\root\\CIMV2"), nullptr, nullptr,
                                       nullptr, 0, nullptr, nullptr, services.out()),
          "ConnectServer");
    check(CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                            RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                            EOAC_NONE),
          "CoSetProxyBlanket");
    return querySerials(services.get());
}

QList<std::optional<QByteArray>> WindowsWorkstationSources::adapterAddresses() const
{
    LANA_ENUM lanas{};
    NCB ncb{};
    ncb.ncb_command = NCBENUM;
    ncb.ncb_buffer = reinterpret_cast<unsigned char*>(&lanas);
    ncb.ncb_length = sizeof lanas;
    netbios(ncb);

    // The first entry is tried even when the enumeration reports none: adapter 0.
    QList<std::optional<QByteArray>> addresses;
    const int count = std::max<int>(1, lanas.length);
    for (int i = 0; i < count; ++i)
        addresses.append(adapterStatus(lanas.lana[i]));
    return addresses;
}
