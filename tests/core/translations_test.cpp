// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the user's language as gettext does, and catalogues that are complete and keep what
// the program fills in.
#include "access/rastext.h"
#include "platform/translations.h"
#include "tests/support/accessfixture.h"
#include "tests/support/built.h"
#include "tests/support/process.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

QStringList shippedLanguages()
{
    return QStringLiteral(VANTREL_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct LanguageCase
{
    const char* name;
    std::map<std::string, std::string> environment;
    const char* chosen; // "" is English
};

void PrintTo(const LanguageCase& row, std::ostream* out)
{
    *out << row.name;
}

class UserLanguage : public testing::TestWithParam<LanguageCase>
{
};

// With the shipped catalogues: de, fr, es, pt_BR, ru, zh_CN.
TEST_P(UserLanguage, IsChosenAsGettextChoosesIt)
{
    const auto& environment = GetParam().environment;
    const QString chosen = translations::userLanguage(
        [&](const char* name) {
            const auto value = environment.find(name);
            return value == environment.end() ? QString() : QString::fromStdString(value->second);
        },
        { QString::fromUtf8(testing_support::built::translations) });
    EXPECT_EQ(chosen.toStdString(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Environments, UserLanguage,
    testing::Values(LanguageCase { "Nothing", {}, "" },
        LanguageCase { "Lang", { { "LANG", "de_DE.UTF-8" } }, "de" },
        LanguageCase { "Modifier", { { "LANG", "de_DE.UTF-8@euro" } }, "de" },
        LanguageCase { "Territory", { { "LANG", "pt_BR.UTF-8" } }, "pt_BR" },
        // A Portuguese user of Portugal is not given Brazil's words unasked.
        LanguageCase { "OtherTerritory", { { "LANG", "pt_PT.UTF-8" } }, "" },
        LanguageCase { "MessagesBeforeLang",
            { { "LANG", "fr_FR.UTF-8" }, { "LC_MESSAGES", "ru_RU.UTF-8" } }, "ru" },
        LanguageCase { "AllBeforeMessages",
            { { "LC_ALL", "es_ES.UTF-8" }, { "LC_MESSAGES", "ru_RU.UTF-8" }, { "LANG", "de_DE" } },
            "es" },
        LanguageCase { "EmptyIsUnset", { { "LC_ALL", "" }, { "LANG", "zh_CN.UTF-8" } }, "zh_CN" },
        LanguageCase { "LanguageBeforeLocale",
            { { "LANGUAGE", "pt_BR:de" }, { "LANG", "fr_FR.UTF-8" } }, "pt_BR" },
        LanguageCase { "LanguageSkipsTheUnknown",
            { { "LANGUAGE", "it:sv_SE:de" }, { "LANG", "fr_FR.UTF-8" } }, "de" },
        LanguageCase { "LanguageShortFormIsNotATerritory",
            { { "LANGUAGE", "pt:de" }, { "LANG", "pt_BR.UTF-8" } }, "de" },
        LanguageCase {
            "LanguageWithCodeset", { { "LANGUAGE", "de_AT.UTF-8" }, { "LANG", "fr_FR" } }, "de" },
        // The list replaces the locale: none of it has a catalogue, so English.
        LanguageCase {
            "LanguageReplacesLocale", { { "LANGUAGE", "it:sv" }, { "LANG", "fr_FR.UTF-8" } }, "" },
        LanguageCase {
            "CEntryEndsTheList", { { "LANGUAGE", "it:C:de" }, { "LANG", "fr_FR.UTF-8" } }, "" },
        LanguageCase {
            "EnglishFirst", { { "LANGUAGE", "en_GB:de" }, { "LANG", "de_DE.UTF-8" } }, "" },
        // Debian's C.UTF-8 is not the C locale: LANGUAGE speaks.
        LanguageCase {
            "CUtf8HonoursLanguage", { { "LANGUAGE", "de" }, { "LANG", "C.UTF-8" } }, "de" },
        LanguageCase { "CUtf8InLcAllHonoursLanguage",
            { { "LANGUAGE", "ru" }, { "LC_ALL", "C.UTF-8" }, { "LANG", "C" } }, "ru" },
        LanguageCase { "CUtf8AloneIsEnglish", { { "LANG", "C.UTF-8" } }, "" },
        // gettext ignores LANGUAGE under the C locale: a script's LC_ALL=C gets English.
        LanguageCase { "CIgnoresLanguage", { { "LANGUAGE", "de" }, { "LANG", "C" } }, "" },
        LanguageCase { "LcAllCIgnoresLanguage",
            { { "LANGUAGE", "de" }, { "LC_ALL", "C" }, { "LANG", "de_DE.UTF-8" } }, "" },
        LanguageCase { "LcMessagesCIgnoresLanguage",
            { { "LANGUAGE", "fr" }, { "LC_MESSAGES", "C" }, { "LANG", "de_DE.UTF-8" } }, "" },
        LanguageCase { "PosixIgnoresLanguage", { { "LANGUAGE", "de" }, { "LANG", "POSIX" } }, "" },
        LanguageCase { "NoLocaleIgnoresLanguage", { { "LANGUAGE", "de" } }, "" }),
    [](const testing::TestParamInfo<LanguageCase>& row) { return std::string(row.param.name); });

TEST(Translations, LooksInEachFolderForEachLanguage)
{
    QTemporaryDir first;
    QTemporaryDir second;
    QFile(first.filePath(QStringLiteral("vantrel_pt_BR.qm"))).open(QIODevice::WriteOnly);
    QFile(second.filePath(QStringLiteral("vantrel_de.qm"))).open(QIODevice::WriteOnly);
    const QStringList folders { first.path(), second.path() };
    EXPECT_EQ(translations::choose({ "it_IT", "it", "de_DE", "de" }, folders), "de");
    EXPECT_EQ(translations::choose({ "pt_BR", "pt" }, folders), "pt_BR");
    EXPECT_EQ(translations::choose({}, folders), "");
}

TEST(Translations, EachShippedLanguageLoadsAndSpeaks)
{
    for (const QString& language : shippedLanguages()) {
        ASSERT_TRUE(translations::install(
            language, { QString::fromUtf8(testing_support::built::translations) }))
            << language.toStdString();
        EXPECT_NE(QCoreApplication::translate("TMainForm", "Exit"), QStringLiteral("Exit"))
            << language.toStdString();
    }
    EXPECT_FALSE(translations::install(QString()));
    EXPECT_EQ(QCoreApplication::translate("TMainForm", "Exit"), QStringLiteral("Exit"));
}

// Guards against the dial-up and system messages reaching the user in English only: the
// library's own text is translated, the system's loses its closing full stop in every script,
// and without a catalogue (as in the command-line tools) both stay the English of today.
class PlatformMessages : public testing_support::AccessTest
{
};

TEST_F(PlatformMessages, SpeakTheUsersLanguage)
{
    fake();
    ASSERT_TRUE(LoadRasApi());
    ASSERT_NE(rasapi::binding().RasGetErrorStringA, nullptr);
    struct Spoken
    {
        const char* language;
        const char* byRemote; // 629, the dial-up library's text
        const char* denied; // 5, the system's text without its full stop
    };
    const Spoken spoken[] = {
        { "de", "Der Anschluss wurde vom Remotecomputer getrennt.", "Zugriff verweigert" },
        { "ru", "Порт был отключён удалённым компьютером.", "Отказано в доступе" },
        { "zh_CN", "端口已被远程计算机断开连接。", "拒绝访问" },
        // Last, so the tests after this one run in English again.
        { "", "The port was disconnected by the remote machine.", "Access is denied" },
    };
    for (const auto& [language, byRemote, denied] : spoken) {
        translations::install(QString::fromLatin1(language),
            { QString::fromUtf8(testing_support::built::translations) });
        EXPECT_EQ(rasErrorText(629), QString::fromUtf8(byRemote)) << language;
        EXPECT_EQ(rasErrorText(5), QString::fromUtf8(denied)) << language;
    }
}

struct Entry
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

std::vector<Entry> readCatalogue(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entries.push_back({ context, {}, {}, {} });
        else if (xml.name() == QLatin1String("source"))
            entries.back().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            entries.back().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?[1-9][0-9]?"));
    QSet<QString> found;
    for (const auto& match : marker.globalMatch(text))
        found.insert(match.captured().remove(QLatin1Char('L')));
    return found;
}

QString edgeSpace(const QString& text, bool leading)
{
    qsizetype n = 0;
    const qsizetype size = text.size();
    while (n < size && text.at(leading ? n : size - 1 - n).isSpace())
        ++n;
    return leading ? text.left(n) : text.right(n);
}

// The shipped catalogues refreshed from today's sources (as `update-translations` does, into a
// copy): a text added without its translations is caught before it reaches a user as English.
TEST(Catalogues, TranslateEveryTextOfTheSourcesAndKeepWhatIsFilledIn)
{
    QTemporaryDir scratch;
    std::vector<std::string> command { VANTREL_LUPDATE, "-silent", "-locations", "none",
        "-no-obsolete", "-no-ui-lines" };
    for (const QString& folder :
        QStringLiteral(VANTREL_TRANSLATED_DIRS).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        command.push_back(
            std::string(testing_support::built::sourceDir) + "/" + folder.toStdString());
    command.push_back("-ts");
    for (const QString& language : shippedLanguages()) {
        const QString copy = scratch.filePath(QStringLiteral("vantrel_%1.ts").arg(language));
        ASSERT_TRUE(QFile::copy((QString::fromUtf8(testing_support::built::sourceDir)
                                    + QStringLiteral("/data/translations/vantrel_%1.ts"))
                                    .arg(language),
            copy))
            << language.toStdString();
        command.push_back(copy.toStdString());
    }
    const auto result = testing_support::runProcess(command);
    ASSERT_EQ(result.exitCode, 0) << result.out << result.err;

    for (const QString& language : shippedLanguages()) {
        const std::vector<Entry> entries
            = readCatalogue(scratch.filePath(QStringLiteral("vantrel_%1.ts").arg(language)));
        EXPECT_GT(entries.size(), 100u) << language.toStdString();
        for (const Entry& entry : entries) {
            const std::string where = language.toStdString() + " " + entry.context.toStdString()
                + " \"" + entry.source.toStdString() + "\"";
            if (entry.type == QLatin1String("vanished") || entry.type == QLatin1String("obsolete"))
                continue;
            EXPECT_TRUE(entry.type.isEmpty() && !entry.translation.isEmpty())
                << where << ": not translated (run update-translations, then translate it)";
            if (entry.translation.isEmpty())
                continue;
            EXPECT_EQ(placeholders(entry.translation), placeholders(entry.source))
                << where << ": placeholders differ in \"" << entry.translation.toStdString()
                << "\"";
            EXPECT_EQ(
                entry.translation.count(QLatin1Char('\n')), entry.source.count(QLatin1Char('\n')))
                << where << ": line breaks differ";
            // A caption's padding and a prefix's trailing blank are part of the layout.
            EXPECT_EQ(edgeSpace(entry.translation, true), edgeSpace(entry.source, true))
                << where << ": leading blanks differ";
            EXPECT_EQ(edgeSpace(entry.translation, false), edgeSpace(entry.source, false))
                << where << ": trailing blanks differ";
        }
    }
}

} // namespace
