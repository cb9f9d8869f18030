// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

enum HKeys {
    kHKEY_CLASSES_ROOT,
    kHKEY_CURRENT_USER,
    kHKEY_LOCAL_MACHINE,
    kHKEY_USERS,
    kHKEY_CURRENT_CONFIG,
};

// Reads and writes single named values, grouped in sections, below one base key of the
// registry. Every operation opens its key, does its one read or write and closes the key
// again; no failure reaches the caller: reads fall back to the caller's default and failed
// writes are dropped.
class TMyReg : public QObject
{
public:
    explicit TMyReg(QObject* owner = nullptr);

    QString RegPath() const { return m_regPath; }
    void SetRegPath(const QString& value) { m_regPath = value; }
    HKeys RegRootKey() const { return m_regRootKey; }
    void SetRegRootKey(HKeys value) { m_regRootKey = value; }
    bool CanCreate() const { return m_canCreate; }
    void SetCanCreate(bool value) { m_canCreate = value; }

    // Informational texts. (Their published names begin with an underscore, which C++
    // reserves.) Assignments are accepted and have no effect.
    QString About() const;
    QString Email() const;
    QString Web() const;
    QString Version() const { return QStringLiteral("1.0a"); }
    void SetAbout(const QString&) { }
    void SetEmail(const QString&) { }
    void SetWeb(const QString&) { }
    void SetVersion(const QString&) { }

    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Ident, std::int32_t Value);
    void WriteBool(const QString& Section, const QString& Ident, bool Value);
    QString ReadString(const QString& Section, const QString& Ident, const QString& Default);
    std::int32_t ReadInteger(const QString& Section, const QString& Ident, std::int32_t Default);
    bool ReadBool(const QString& Section, const QString& Ident, bool Default);

private:
    class Accessor;

    // Steps 1 and 2 of every operation: the accessor with the section's key open.
    Accessor open(const QString& Section);
    bool readDword(const QString& Section, const QString& Ident, std::uint32_t* value);

    // The component's own value at construction, which its owners have always met; the monitor
    // points it at its key (settings::useMonitorKey) before any read.
    QString m_regPath = QStringLiteral("\\Software\\Orvik Software\\Corvane");
    HKeys m_regRootKey = kHKEY_CURRENT_USER;
    bool m_canCreate = true;
};
