// SPDX-License-Identifier: GPL-3.0-or-later
#include "socketlibrary.h"

#include "platform/modulenames.h"
#include "platform/win/winbase.h"

#include <type_traits>

namespace net {

namespace {

constexpr std::size_t kMaxPath = 200;
constexpr win::WORD kVersion11 = 0x0101;

template<typename Function>
struct Failing;

template<typename Result, typename... Arguments>
struct Failing<Result (*)(Arguments...)>
{
    static Result call(Arguments...)
    {
        if constexpr (std::is_void_v<Result>)
            return;
        else if constexpr (std::is_pointer_v<Result>)
            return nullptr;
        else
            return static_cast<Result>(-1);
    }
};

template<typename Function>
void fallBack(Function& slot)
{
    slot = &Failing<Function>::call;
}

template<typename Function>
void resolveSlot(Function& slot, win::HMODULE module, win::WORD ordinal)
{
    // An entry point the library lacks keeps its failing stand-in.
    if (const win::FARPROC proc = win::GetProcAddress(module, win::MAKEINTRESOURCEA(ordinal)))
        slot = reinterpret_cast<Function>(proc);
}

SocketFunctions failingFunctions()
{
    SocketFunctions f {};
    fallBack(f.bind);
    fallBack(f.closesocket);
    fallBack(f.connect);
    fallBack(f.getsockname);
    fallBack(f.getsockopt);
    fallBack(f.htons);
    fallBack(f.inet_addr);
    fallBack(f.inet_ntoa);
    fallBack(f.ntohs);
    fallBack(f.recv);
    fallBack(f.send);
    fallBack(f.setsockopt);
    fallBack(f.socket);
    fallBack(f.gethostbyname);
    fallBack(f.gethostname);
    fallBack(f.WSAAsyncSelect);
    f.WSAGetLastError = [] { return win::WSANOTINITIALISED; };
    fallBack(f.WSASetLastError);
    fallBack(f.WSACancelBlockingCall);
    f.WSAIsBlocking = []() -> win::BOOL { return win::FALSE; };
    fallBack(f.WSAStartup);
    fallBack(f.WSACleanup);
    return f;
}

} // namespace

SocketLibrary& SocketLibrary::instance()
{
    static SocketLibrary library;
    return library;
}

SocketLibrary::SocketLibrary()
    : m_functions(failingFunctions())
{
}

std::string SocketLibrary::path() const
{
    if (m_module != 0) {
        char buffer[kMaxPath + 1] {};
        if (win::GetModuleFileNameA(m_module, buffer, sizeof buffer) > 0)
            return buffer;
    }
    return m_path.empty() ? platform::modules::kSockets : m_path;
}

void SocketLibrary::setPath(std::string path)
{
    if (path.size() > kMaxPath)
        path.resize(kMaxPath);
    m_path = std::move(path);
}

void SocketLibrary::resolve()
{
    SocketFunctions& f = m_functions;
    resolveSlot(f.bind, m_module, 2);
    resolveSlot(f.closesocket, m_module, 3);
    resolveSlot(f.connect, m_module, 4);
    resolveSlot(f.getsockname, m_module, 6);
    resolveSlot(f.getsockopt, m_module, 7);
    resolveSlot(f.htons, m_module, 9);
    resolveSlot(f.inet_addr, m_module, 10);
    resolveSlot(f.inet_ntoa, m_module, 11);
    resolveSlot(f.ntohs, m_module, 15);
    resolveSlot(f.recv, m_module, 16);
    resolveSlot(f.send, m_module, 19);
    resolveSlot(f.setsockopt, m_module, 21);
    resolveSlot(f.socket, m_module, 23);
    resolveSlot(f.gethostbyname, m_module, 52);
    resolveSlot(f.gethostname, m_module, 57);
    resolveSlot(f.WSAAsyncSelect, m_module, 101);
    resolveSlot(f.WSAGetLastError, m_module, 111);
    resolveSlot(f.WSASetLastError, m_module, 112);
    resolveSlot(f.WSACancelBlockingCall, m_module, 113);
    resolveSlot(f.WSAIsBlocking, m_module, 114);
    resolveSlot(f.WSAStartup, m_module, 115);
    resolveSlot(f.WSACleanup, m_module, 116);
}

// Undoes the module load of a first load that went no further.
void SocketLibrary::release()
{
    if (m_loads > 0)
        return;
    m_functions = failingFunctions();
    if (m_module != 0)
        win::FreeLibrary(m_module);
    m_module = 0;
}

bool SocketLibrary::load()
{
    if (m_module == 0) {
        m_module = win::LoadLibraryA(path().c_str());
        if (m_module == 0) {
            m_info = "Could not load Winsock DLL.";
            return false;
        }
        resolve();
    }
    win::WSADATA data {};
    const int result = m_functions.WSAStartup(kVersion11, &data);
    if (result == 0 && data.wVersion == kVersion11) {
        ++m_loads;
        m_info = data.szDescription;
        m_status = data.szSystemStatus;
        m_maxSockets = data.iMaxSockets;
        m_maxDatagramSize = data.iMaxUdpDg;
        return true;
    }
    if (result == win::WSAEINVAL || result == win::WSAVERNOTSUPPORTED)
        m_info = "Version not supported.";
    else if (result == win::WSASYSNOTREADY)
        m_info = "Network subsystem not ready.";
    else
        m_info = "Incompatible Winsock version.";
    // A start-up that succeeded with the wrong version still counts with the library.
    if (result == 0)
        m_functions.WSACleanup();
    release();
    return false;
}

void SocketLibrary::unload()
{
    if (m_loads == 0)
        return;
    if (m_functions.WSAIsBlocking())
        m_functions.WSACancelBlockingCall();
    m_functions.WSACleanup();
    if (--m_loads > 0)
        return; // the record stays true while another transport holds the library
    m_info.clear();
    m_status = "Down";
    m_maxSockets = 0;
    m_maxDatagramSize = 0;
    release();
}

} // namespace net
