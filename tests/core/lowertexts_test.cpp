// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the layers below the monitor hand it (NetworkManager's reasons, the platform's
// warnings, the usage history's messages, the data plan's figures) reach the user in the user's
// language, while what those layers write themselves stays English.
#include "access/rastext.h"
#include "monitor/platformwarnings.h"
#include "monitor/usagetexts.h"
#include "platform/linux/dialstates.h"
#include "platform/logging.h"
#include "platform/registry/autostartmirror.h"
#include "platform/translations.h"
#include "tests/support/built.h"
#include "usage/dataplan.h"
#include "usage/usageexport.h"
#include "usage/usagerecorder.h"
#include "usage/usagestore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

class LowerLayerTexts : public testing::Test
{
protected:
    void speakGerman()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(translations::install(
            QStringLiteral("de"), { QString::fromUtf8(testing_support::built::translations) }));
    }
    ~LowerLayerTexts() override
    {
        translations::install(QString());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    std::filesystem::path folder() const { return m_dir.path().toStdString(); }

    QTemporaryDir m_dir;
};

// Guards against NetworkManager's reasons staying English in the monitor's log.
TEST_F(LowerLayerTexts, NetworkManagerReasonsFollowTheUsersLanguage)
{
    const std::int32_t simMissing = static_cast<std::int32_t>(platform::dialErrorOf(45));
    EXPECT_EQ(rasErrorText(simMissing), QStringLiteral("The SIM card is not inserted"));
    speakGerman();
    EXPECT_EQ(rasErrorText(simMissing), QStringLiteral("Die SIM-Karte ist nicht eingelegt"));
    EXPECT_STREQ(platform::networkManagerReasonText(platform::dialErrorOf(45)),
        "The SIM card is not inserted")
        << "the platform's own text, which the tools print, stays English";
}

std::vector<QString> platformMessages; // what went to the vantrel.platform category

void keepPlatformMessages(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (context.category && QLatin1String(context.category) == QLatin1String("vantrel.platform"))
        platformMessages.push_back(message);
}

// Guards against a platform warning shown in English in the log, or translated on standard error.
TEST_F(LowerLayerTexts, PlatformWarningsAreShownTranslatedAndWrittenInEnglish)
{
    speakGerman();
    std::vector<QString> shown;
    PlatformWarnings warnings([&](const QString& line) { shown.push_back(line); });
    platformMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepPlatformMessages);
    // An entry that is a folder with something in it cannot be removed.
    platform::AutostartMirror mirror(folder() / "autostart%1");
    std::filesystem::create_directories(mirror.entryFile() / "inside");
    EXPECT_FALSE(mirror.remove());
    qInstallMessageHandler(previous);
    QCoreApplication::processEvents();

    const QString entry = QString::fromStdString(mirror.entryFile().string());
    ASSERT_EQ(platformMessages.size(), 1u);
    EXPECT_TRUE(platformMessages[0].startsWith(
        QStringLiteral("cannot remove the autostart entry %1: ").arg(entry)))
        << platformMessages[0].toStdString();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].startsWith(
        QStringLiteral("Autostart-Eintrag %1 kann nicht entfernt werden: ").arg(entry)))
        << shown[0].toStdString() << " (the folder's own \"%1\" is kept as it is)";
}

// Guards against the usage history's messages reaching the user in English.
TEST_F(LowerLayerTexts, UsageHistoryMessagesFollowTheUsersLanguage)
{
    const std::filesystem::path missing = folder() / "usage.sqlite3";
    const std::string file = missing.string();
    EXPECT_EQ(usage::UsageStore(missing, usage::UsageStore::Mode::ReadOnly).open(),
        "usage history " + file + ": no such file (nothing recorded yet)");
    speakGerman();
    EXPECT_EQ(usage::UsageStore(missing, usage::UsageStore::Mode::ReadOnly).open(),
        "Nutzungsverlauf " + file + ": Datei nicht vorhanden (bisher nichts aufgezeichnet)");

    std::filesystem::create_directory(missing); // a folder where the file should be
    std::vector<std::string> said;
    usage::UsageRecorder recorder(missing, [&](const std::string& line) { said.push_back(line); });
    recorder.closeLeftOpen();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].rfind("Nutzungsverlauf " + file + ": kann nicht geöffnet werden: ", 0), 0u)
        << said[0];
    EXPECT_TRUE(said[0].ends_with("; die Überwachung läuft weiter")) << said[0];
}

// Guards against "1.6 of 3.0 GB" in a German tray hint, and against the point lost where the
// figures are written for scripts.
TEST_F(LowerLayerTexts, ThePlanLineTakesTheLocalesDecimalMark)
{
    usage::DataPlan plan;
    plan.limit = { 3'000'000'000, QStringLiteral("GB") };
    const QDate first(2026, 3, 1);
    const usage::Cycle cycle = usage::cycleOf(plan.cycle, first);
    const std::int64_t moment = cycle.start + 86'400 * 10;
    speakGerman();
    EXPECT_EQ(usage::stateText(plan, 1'600'000'000, cycle, moment, usagetexts::figure),
        QStringLiteral("1,6 von 3,0 GB, 53\u00a0%, noch 21 Tage"));
    EXPECT_TRUE(usage::stateText(plan, 1'600'000'000, cycle, moment).startsWith("1.6 von 3.0 GB"));
    EXPECT_EQ(usage::figureIn(plan.limit, 1'600'000'000), QStringLiteral("1.6 GB"));
}

// A catalogue whose units are Russian, as the shipped one's are once translated.
class RussianUnits : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QLatin1String(context) != QLatin1String("UsageTexts"))
            return {};
        const QString text = QString::fromUtf8(source);
        return text == QLatin1String("%1 MB") ? QStringLiteral("%1\u00a0МБ")
            : text == QLatin1String("%1 B")   ? QStringLiteral("%1\u00a0байт")
                                              : QString();
    }
    bool isEmpty() const override { return false; }
};

// Guards against "2,5 MB" in a Russian usage window beside the main window's "байт": the units
// of its figures, bars and axes are the catalogue's.
TEST_F(LowerLayerTexts, UsageFiguresNameTheirUnitsInTheUsersLanguage)
{
    EXPECT_EQ(usagetexts::bytes(2'500'000), QStringLiteral("2.5 MB"));
    EXPECT_EQ(usagetexts::bytes(999), QStringLiteral("999 B"));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    RussianUnits russian;
    QCoreApplication::installTranslator(&russian);
    EXPECT_EQ(usagetexts::bytes(2'500'000), QStringLiteral("2,5\u00a0МБ"));
    EXPECT_EQ(usagetexts::bytes(999), QStringLiteral("999\u00a0байт"));
    EXPECT_EQ(usagetexts::bytes(3'200'000'000), QStringLiteral("3,2 GB")) << "untranslated";
    QCoreApplication::removeTranslator(&russian);
    EXPECT_EQ(usage::humanBytes(2'500'000), "2.5 MB") << "what vantrel-usage prints for scripts";
}

} // namespace
