// SPDX-License-Identifier: GPL-3.0-or-later
#include "versinfo.h"

#include "platform/version/versionblock.h"
#include "platform/win/winbase.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <cstring>

using namespace win;

namespace {

struct PreDefName
{
    const char* key;
    const char* displayName;
};

constexpr PreDefName kPreDefs[] = {
    { "CompanyName", "Company Name" },
    { "FileDescription", "File Description" },
    { "FileVersion", "File Version" },
    { "InternalName", "Internal Name" },
    { "LegalCopyright", "Legal Copyright" },
    { "LegalTrademarks", "Legal Trademarks" },
    { "OriginalFilename", "Original Filename" },
    { "ProductName", "Product Name" },
    { "ProductVersion", "Product Version" },
    { "Comments", "Comments" },
    { "BuildFlags", "Build Flags" },
};

struct BuildFlag
{
    DWORD flag;
    const char* name;
};

constexpr BuildFlag kBuildFlags[] = {
    { VS_FF_DEBUG, "Debug" },
    { VS_FF_INFOINFERRED, "Info Inferred" },
    { VS_FF_PATCHED, "Patched" },
    { VS_FF_PRERELEASE, "Pre-Release" },
    { VS_FF_PRIVATEBUILD, "Private" },
    { VS_FF_SPECIALBUILD, "Special" },
};

} // namespace

void TVersionNumberInformation::set(
    DWORD mostSignificant, DWORD leastSignificant, const QString& text)
{
    m_valid = true;
    m_mostSignificant = mostSignificant;
    m_leastSignificant = leastSignificant;
    m_text = text;
}

QString TVersionNumberInformation::AsString() const
{
    if (!m_valid)
        return {};
    if (!m_text.isEmpty())
        return m_text;
    return QStringLiteral("%1.%2.%3.%4")
        .arg(GetPart(0))
        .arg(GetPart(1))
        .arg(GetPart(2))
        .arg(GetPart(3));
}

std::uint16_t TVersionNumberInformation::GetPart(int index) const
{
    if (!m_valid)
        return 0;
    switch (index) {
    case 0:
        return static_cast<std::uint16_t>(m_mostSignificant >> 16);
    case 1:
        return static_cast<std::uint16_t>(m_mostSignificant);
    case 2:
        return static_cast<std::uint16_t>(m_leastSignificant >> 16);
    case 3:
        return static_cast<std::uint16_t>(m_leastSignificant);
    default:
        return 0;
    }
}

TVersionInfoResource::TVersionInfoResource(QObject* owner)
    : QObject(owner)
{
}

TVersionInfoResource::~TVersionInfoResource() = default;

void TVersionInfoResource::Loaded()
{
    m_loading = false;
    ReadVersionInfo();
}

void TVersionInfoResource::SetFilename(const QString& value)
{
    m_filename = value;
    ReadVersionInfo();
}

void TVersionInfoResource::SetForceEXE(bool value)
{
    if (value == m_forceExe)
        return;
    m_forceExe = value;
    ReadVersionInfo();
}

QString TVersionInfoResource::GetResourceFilename() const
{
    if (!m_filename.isEmpty())
        return m_filename;
    // The components are linked into the executable, so the module holding them and the
    // running executable are one file, with or without ForceEXE.
    char path[MAX_PATH] {};
    GetModuleFileNameA(0, path, MAX_PATH);
    return QString::fromLocal8Bit(path);
}

void TVersionInfoResource::ReadVersionInfo()
{
    m_translations.clear();
    m_block.clear();
    m_fixed.attach(nullptr);

    const QByteArray file = GetResourceFilename().toLocal8Bit();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.constData(), &handle);
    if (size == 0) {
        m_fileVersion.invalidate();
        m_productVersion.invalidate();
        UpdateLinkedControls();
        return;
    }
    m_block.resize(size);
    if (!GetFileVersionInfoA(file.constData(), handle, size, m_block.data()))
        m_block.clear();

    LPVOID found = nullptr;
    UINT length = 0;
    if (!m_block.empty() && VerQueryValueA(m_block.data(), "\\", &found, &length)
        && length >= sizeof(VS_FIXEDFILEINFO))
        m_fixed.attach(static_cast<const VS_FIXEDFILEINFO*>(found));

    if (!m_block.empty()
        && VerQueryValueA(m_block.data(), "\\VarFileInfo\\Translation", &found, &length)) {
        const auto* entries = static_cast<const BYTE*>(found);
        for (UINT offset = 0; offset + 4 <= length; offset += 4) {
            DWORD entry = 0;
            std::memcpy(&entry, entries + offset, sizeof entry);
            m_translations << QString::fromLatin1(platform::translationName(entry).c_str());
        }
    }
    if (m_translationIndex < 0 || m_translationIndex >= m_translations.size())
        m_translationIndex = 0;

    m_fileVersion.set(
        m_fixed.FileVersionMS(), m_fixed.FileVersionLS(), GetPreDefString(pdFileVersion));
    m_productVersion.set(
        m_fixed.ProductVersionMS(), m_fixed.ProductVersionLS(), GetPreDefString(pdProductVersion));
    UpdateLinkedControls();
}

QString TVersionInfoResource::GetPreDefString(int index) const
{
    if (index < pdCompanyName || index > pdBuildFlags || m_block.empty())
        return {};
    const QString translation = m_translations.isEmpty() ? QStringLiteral("040904E4")
                                                         : m_translations.at(m_translationIndex);
    const QByteArray subBlock = QStringLiteral("\\StringFileInfo\\%1\\%2")
                                    .arg(translation, QLatin1String(kPreDefs[index].key))
                                    .toLatin1();
    LPVOID found = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(m_block.data(), subBlock.constData(), &found, &length) || length == 0)
        return {};
    const auto* text = static_cast<const char*>(found);
    return QString::fromUtf8(text, static_cast<qsizetype>(strnlen(text, length)));
}

QString TVersionInfoResource::GetBuildFlagsString() const
{
    QStringList names;
    for (const auto& flag : kBuildFlags) {
        if (m_fixed.FileFlags() & flag.flag)
            names << QLatin1String(flag.name);
    }
    return names.join(QStringLiteral(", "));
}

void TVersionInfoResource::UpdateLinkedControls()
{
    if (m_loading)
        return;
    if (m_versionLabel)
        m_versionLabel->setText(m_fileVersion.AsString());
    if (m_copyrightLabel)
        m_copyrightLabel->setText(LegalCopyright());
    if (m_productLabel)
        m_productLabel->setText(ProductName());
    if (m_descriptionLabel)
        m_descriptionLabel->setText(FileDescription());
    if (m_listView)
        PopulateListView();
}

void TVersionInfoResource::PopulateListView()
{
    if (!m_listView)
        return;
    QTreeWidget& view = *m_listView;
    view.clear();
    view.setRootIsDecorated(false);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setColumnCount(2);
    view.setHeaderLabels({ QStringLiteral("Resource"), QStringLiteral("Value") });
    view.header()->setSectionsClickable(false);
    view.header()->setStretchLastSection(false);
    for (int column = 0; column < 2; ++column)
        view.header()->resizeSection(column, view.header()->sectionSizeHint(column));

    const std::pair<TPreDef, QString> rows[] = {
        { pdProductName, ProductName() },
        { pdProductVersion, m_productVersion.AsString() },
        { pdCompanyName, CompanyName() },
        { pdLegalCopyright, LegalCopyright() },
        { pdLegalTrademarks, LegalTrademarks() },
        { pdFileDescription, FileDescription() },
        { pdFileVersion, m_fileVersion.AsString() },
        { pdInternalName, InternalName() },
        { pdOriginalFilename, OriginalFilename() },
        { pdBuildFlags, GetBuildFlagsString() },
        { pdComments, Comments() },
    };
    for (const auto& [entry, value] : rows) {
        if (m_showResource.contains(entry) && !value.isEmpty())
            new QTreeWidgetItem(&view, { QLatin1String(kPreDefs[entry].displayName), value });
    }
}

void TVersionInfoResource::linkLabel(QPointer<QLabel>& slot, QLabel* label, TPreDef entry)
{
    slot = label;
    if (label)
        m_showResource.exclude(entry);
    UpdateLinkedControls();
}

void TVersionInfoResource::SetVersionLabel(QLabel* label)
{
    linkLabel(m_versionLabel, label, pdFileVersion);
}

void TVersionInfoResource::SetCopyrightLabel(QLabel* label)
{
    linkLabel(m_copyrightLabel, label, pdLegalCopyright);
}

void TVersionInfoResource::SetProductLabel(QLabel* label)
{
    linkLabel(m_productLabel, label, pdProductName);
}

void TVersionInfoResource::SetDescriptionLabel(QLabel* label)
{
    linkLabel(m_descriptionLabel, label, pdFileDescription);
}

void TVersionInfoResource::SetVersionListView(QTreeWidget* view)
{
    m_listView = view;
    UpdateLinkedControls();
}
