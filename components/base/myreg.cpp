// SPDX-License-Identifier: GPL-3.0-or-later
#include "myreg.h"

#include "platform/win/winreg.h"

#include <vector>

using namespace win;

namespace {

HKEY rootKeyFor(HKeys key)
{
    switch (key) {
    case kHKEY_CLASSES_ROOT:
        return HKEY_CLASSES_ROOT;
    case kHKEY_LOCAL_MACHINE:
        return HKEY_LOCAL_MACHINE;
    case kHKEY_USERS:
        return HKEY_USERS;
    case kHKEY_CURRENT_CONFIG:
        return HKEY_CURRENT_CONFIG;
    case kHKEY_CURRENT_USER:
        break;
    }
    return HKEY_CURRENT_USER;
}

} // namespace

// The registry accessor of one operation: a root key and at most one open key, closed when
// the operation ends.
class TMyReg::Accessor
{
public:
    explicit Accessor(HKEY root)
        : m_root(root)
    {
    }
    ~Accessor()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    Accessor(Accessor&& other) noexcept
        : m_root(other.m_root)
        , m_key(std::exchange(other.m_key, 0))
    {
    }
    Accessor(const Accessor&) = delete;
    Accessor& operator=(const Accessor&) = delete;
    Accessor& operator=(Accessor&&) = delete;

    void openKey(const QString& path, bool canCreate)
    {
        QByteArray relative = path.toUtf8();
        if (relative.startsWith('\\'))
            relative.remove(0, 1);
        if (canCreate && !relative.isEmpty())
            RegCreateKeyExA(m_root, relative.constData(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
        else
            RegOpenKeyExA(m_root, relative.constData(), 0, KEY_ALL_ACCESS, &m_key);
    }
    // 0 when the key could not be opened: every call on it then fails.
    HKEY key() const { return m_key; }

private:
    HKEY m_root;
    HKEY m_key = 0;
};

TMyReg::TMyReg(QObject* owner)
    : QObject(owner)
{
}

QString TMyReg::About() const
{
    return QStringLiteral("Section and value store below one registry key");
}

QString TMyReg::Email() const
{
    return QStringLiteral("support@orvik.example");
}

QString TMyReg::Web() const
{
    return QStringLiteral("http://www.orvik.example/");
}

TMyReg::Accessor TMyReg::open(const QString& Section)
{
    Accessor accessor(rootKeyFor(m_regRootKey));
    if (!m_regPath.isEmpty() && !m_regPath.endsWith(QLatin1Char('\\')))
        m_regPath += QLatin1Char('\\');
    accessor.openKey(m_regPath + Section, m_canCreate);
    return accessor;
}

void TMyReg::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    const Accessor accessor = open(Section);
    const QByteArray data = Value.toUtf8();
    RegSetValueExA(accessor.key(), Ident.toUtf8().constData(), 0, REG_SZ,
        reinterpret_cast<const BYTE*>(data.constData()), static_cast<DWORD>(data.size() + 1));
}

void TMyReg::WriteInteger(const QString& Section, const QString& Ident, std::int32_t Value)
{
    const Accessor accessor = open(Section);
    RegSetValueExA(accessor.key(), Ident.toUtf8().constData(), 0, REG_DWORD,
        reinterpret_cast<const BYTE*>(&Value), sizeof Value);
}

void TMyReg::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteInteger(Section, Ident, Value ? 1 : 0);
}

bool TMyReg::readDword(const QString& Section, const QString& Ident, std::uint32_t* value)
{
    const Accessor accessor = open(Section);
    DWORD type = REG_NONE;
    DWORD size = sizeof *value;
    const LONG result = RegQueryValueExA(accessor.key(), Ident.toUtf8().constData(), nullptr, &type,
        reinterpret_cast<BYTE*>(value), &size);
    return result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof *value;
}

std::int32_t TMyReg::ReadInteger(const QString& Section, const QString& Ident, std::int32_t Default)
{
    std::uint32_t value = 0;
    return readDword(Section, Ident, &value) ? static_cast<std::int32_t>(value) : Default;
}

bool TMyReg::ReadBool(const QString& Section, const QString& Ident, bool Default)
{
    std::uint32_t value = 0;
    return readDword(Section, Ident, &value) ? value != 0 : Default;
}

QString TMyReg::ReadString(const QString& Section, const QString& Ident, const QString& Default)
{
    const Accessor accessor = open(Section);
    const QByteArray name = Ident.toUtf8();
    // A value that is not text reads as the default, like a missing one.
    QString result = Default;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(accessor.key(), name.constData(), nullptr, &type, nullptr, &size)
        == ERROR_SUCCESS) {
        if (size == 0) {
            result = QString();
        } else {
            std::vector<BYTE> data(size);
            if (RegQueryValueExA(
                    accessor.key(), name.constData(), nullptr, &type, data.data(), &size)
                    == ERROR_SUCCESS
                && (type == REG_SZ || type == REG_EXPAND_SZ)) {
                const auto* text = reinterpret_cast<const char*>(data.data());
                result = QString::fromUtf8(text, static_cast<qsizetype>(strnlen(text, size)));
            }
        }
    }
    if (RegQueryValueExA(accessor.key(), name.constData(), nullptr, nullptr, nullptr, &size)
        != ERROR_SUCCESS)
        result = Default;
    return result;
}
