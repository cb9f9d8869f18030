// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/win/winver.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <cstdint>
#include <vector>

enum TPreDef {
    pdCompanyName,
    pdFileDescription,
    pdFileVersion,
    pdInternalName,
    pdLegalCopyright,
    pdLegalTrademarks,
    pdOriginalFilename,
    pdProductName,
    pdProductVersion,
    pdComments,
    pdBuildFlags,
};

class TPreDefs
{
public:
    static TPreDefs all() { return TPreDefs(0x7FF); }
    TPreDefs() = default;
    bool contains(TPreDef entry) const { return m_bits & bit(entry); }
    void include(TPreDef entry) { m_bits = static_cast<std::uint16_t>(m_bits | bit(entry)); }
    void exclude(TPreDef entry) { m_bits = static_cast<std::uint16_t>(m_bits & ~bit(entry)); }
    bool operator==(const TPreDefs&) const = default;

private:
    explicit TPreDefs(std::uint16_t bits)
        : m_bits(bits)
    {
    }
    static std::uint16_t bit(TPreDef entry) { return static_cast<std::uint16_t>(1u << entry); }
    std::uint16_t m_bits = 0;
};

// A view on the fixed part of the loaded resource; every field reads 0 when none is loaded.
class TFixedFileVersionInfo
{
public:
    void attach(const win::VS_FIXEDFILEINFO* info) { m_info = info; }
    win::DWORD FileVersionMS() const { return m_info ? m_info->dwFileVersionMS : 0; }
    win::DWORD FileVersionLS() const { return m_info ? m_info->dwFileVersionLS : 0; }
    win::DWORD ProductVersionMS() const { return m_info ? m_info->dwProductVersionMS : 0; }
    win::DWORD ProductVersionLS() const { return m_info ? m_info->dwProductVersionLS : 0; }
    win::DWORD FileFlags() const { return m_info ? m_info->dwFileFlags : 0; }

private:
    const win::VS_FIXEDFILEINFO* m_info = nullptr;
};

// One four-part version number, with the string table's text for it when there is one.
class TVersionNumberInformation
{
public:
    void set(win::DWORD mostSignificant, win::DWORD leastSignificant, const QString& text);
    void invalidate() { *this = {}; }
    bool Valid() const { return m_valid; }
    win::DWORD MostSignificant() const { return m_mostSignificant; }
    win::DWORD LeastSignificant() const { return m_leastSignificant; }
    QString AsString() const;
    // 0 major, 1 minor, 2 release, 3 build; 0 when not valid.
    std::uint16_t GetPart(int index) const;

private:
    bool m_valid = false;
    win::DWORD m_mostSignificant = 0;
    win::DWORD m_leastSignificant = 0;
    QString m_text;
};

// Reads the version resource of an executable (by default the running program) and offers its
// version numbers and predefined strings, optionally showing them in linked labels and a
// list view.
class TVersionInfoResource : public QObject
{
public:
    explicit TVersionInfoResource(QObject* owner = nullptr);
    ~TVersionInfoResource() override;

    // The owner calls this once its properties are set, as after loading a window's design.
    void Loaded();

    virtual QString GetResourceFilename() const;
    virtual void UpdateLinkedControls();
    virtual void PopulateListView();
    virtual QString GetBuildFlagsString() const;
    virtual void ReadVersionInfo();

    QString Version() const { return QStringLiteral("TVersionInfoResource v2.35"); }
    void SetVersion(const QString&) { }
    QString Filename() const { return m_filename; }
    void SetFilename(const QString& value);
    bool ForceEXE() const { return m_forceExe; }
    void SetForceEXE(bool value);

    QString GetPreDefString(int index) const;
    QString CompanyName() const { return GetPreDefString(pdCompanyName); }
    QString FileDescription() const { return GetPreDefString(pdFileDescription); }
    QString InternalName() const { return GetPreDefString(pdInternalName); }
    QString LegalCopyright() const { return GetPreDefString(pdLegalCopyright); }
    QString LegalTrademarks() const { return GetPreDefString(pdLegalTrademarks); }
    QString OriginalFilename() const { return GetPreDefString(pdOriginalFilename); }
    QString ProductName() const { return GetPreDefString(pdProductName); }
    QString Comments() const { return GetPreDefString(pdComments); }

    const TFixedFileVersionInfo& fixedFileInfo() const { return m_fixed; }
    const TVersionNumberInformation& FileVersion() const { return m_fileVersion; }
    const TVersionNumberInformation& ProductVersion() const { return m_productVersion; }
    const QStringList& translations() const { return m_translations; }
    int translationIndex() const { return m_translationIndex; }
    void setTranslationIndex(int value) { m_translationIndex = value; }

    QLabel* VersionLabel() const { return m_versionLabel; }
    void SetVersionLabel(QLabel* label);
    QLabel* CopyrightLabel() const { return m_copyrightLabel; }
    void SetCopyrightLabel(QLabel* label);
    QLabel* ProductLabel() const { return m_productLabel; }
    void SetProductLabel(QLabel* label);
    QLabel* DescriptionLabel() const { return m_descriptionLabel; }
    void SetDescriptionLabel(QLabel* label);
    QTreeWidget* VersionListView() const { return m_listView; }
    void SetVersionListView(QTreeWidget* view);
    TPreDefs ShowResource() const { return m_showResource; }
    void SetShowResource(TPreDefs value) { m_showResource = value; }

private:
    void linkLabel(QPointer<QLabel>& slot, QLabel* label, TPreDef entry);

    QString m_filename;
    bool m_forceExe = false;
    bool m_loading = true;
    std::vector<win::BYTE> m_block;
    QStringList m_translations;
    int m_translationIndex = 0;
    TFixedFileVersionInfo m_fixed;
    TVersionNumberInformation m_fileVersion;
    TVersionNumberInformation m_productVersion;
    QPointer<QLabel> m_versionLabel;
    QPointer<QLabel> m_copyrightLabel;
    QPointer<QLabel> m_productLabel;
    QPointer<QLabel> m_descriptionLabel;
    QPointer<QTreeWidget> m_listView;
    TPreDefs m_showResource = TPreDefs::all();
};
