// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace translations {

namespace {

const QString kCatalogue = QStringLiteral("vantrel_");

QString catalogueFile(const QString& folder, const QString& prefix, const QString& language)
{
    return folder + QLatin1Char('/') + prefix + language + QStringLiteral(".qm");
}

bool isCLocale(const QString& name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// "de_DE.UTF-8@euro" -> "de_DE", "de"; "C.UTF-8" names no language.
void addForms(QStringList& result, const QString& entry)
{
    const QString language = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (language.isEmpty() || isCLocale(language))
        return;
    for (const QString& form : { language, language.section(QLatin1Char('_'), 0, 0) }) {
        if (!form.isEmpty() && !result.contains(form))
            result.append(form);
    }
}

enum class Catalogue { Program, Qt };

// The installed translator of each catalogue, replaced when the language changes.
std::unique_ptr<QTranslator>& installed(Catalogue catalogue)
{
    static std::unique_ptr<QTranslator> program;
    static std::unique_ptr<QTranslator> qt;
    return catalogue == Catalogue::Program ? program : qt;
}

// Installs the first of `files` that loads; none: the catalogue's texts stay English.
bool installOne(Catalogue catalogue, const QStringList& files)
{
    auto& slot = installed(catalogue);
    if (slot) {
        QCoreApplication::removeTranslator(slot.get());
        slot.reset();
    }
    for (const QString& file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (QFileInfo::exists(file) && translator->load(file)) {
            QCoreApplication::installTranslator(translator.get());
            slot = std::move(translator);
            return true;
        }
    }
    return false;
}

} // namespace

QStringList wanted(const Environment& environment)
{
    QString locale;
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    // Only the C locale itself shuts LANGUAGE out; Debian's C.UTF-8 is another locale.
    if (locale.isEmpty() || isCLocale(locale))
        return {};
    // A list replaces the locale, as in gettext: a language missing from it is not wanted.
    QStringList list = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (list.isEmpty())
        list.append(locale);
    QStringList result;
    for (const QString& entry : list) {
        if (isCLocale(entry))
            break;
        addForms(result, entry);
    }
    return result;
}

QString choose(const QStringList& wanted, const QStringList& folders)
{
    for (const QString& language : wanted) {
        // English is the sources' own language: wanting it first means no catalogue at all.
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_")))
            return {};
        for (const QString& folder : folders) {
            if (QFileInfo::exists(catalogueFile(folder, kCatalogue, language)))
                return language;
        }
    }
    return {};
}

QString userLanguage(const Environment& environment, const QStringList& folders)
{
    return choose(wanted(environment), folders);
}

QString userLanguage()
{
    return userLanguage(
        [](const char* name) { return qEnvironmentVariable(name); }, programFolders());
}

QStringList programFolders()
{
    return { QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QStringLiteral(VANTREL_DATA_DIR "/translations") };
}

bool install(const QString& language, const QStringList& folders)
{
    QStringList own;
    QStringList qt;
    if (!language.isEmpty()) {
        for (const QString& folder : folders)
            own.append(catalogueFile(folder, kCatalogue, language));
        qt.append(catalogueFile(QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QStringLiteral("qtbase_"), language));
        for (const QString& folder : folders)
            qt.append(catalogueFile(folder, QStringLiteral("qtbase_"), language));
    }
    installOne(Catalogue::Qt, qt);
    return installOne(Catalogue::Program, own);
}

} // namespace translations
