// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every shipped language: translated, and each text inside its place, clear of
// the others and of the window's edges.
#include "core/dataplanform.h"
#include "core/mainform.h"
#include "core/usagechart.h"
#include "core/usageconnectionsmodel.h"
#include "core/usagewindow.h"
#include "platform/translations.h"
#include "platform/version/versionblock.h"
#include "tests/support/accessfixture.h"
#include "tests/support/artefacts.h"
#include "tests/support/built.h"
#include "tests/support/eventwait.h"
#include "usage/usagestore.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QTableView>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testing_support::AccessTest;

namespace {

// Runs the events until the window's read of the history is shown.
void read(UsageWindow& window)
{
    ASSERT_TRUE(testing_support::runEventsUntil([&] { return !window.reloading(); }, 20000))
        << "the history was not read";
}

struct PlacedText
{
    QString text;
    QRect box; // where the text is drawn, in window coordinates
    QRect place; // the widget that draws it, in window coordinates
};

QRect inWindow(const QWidget* widget, QRect rect)
{
    return QRect(widget->mapTo(widget->window(), rect.topLeft()), rect.size());
}

// The box a text takes when drawn aligned in `rect` with the widget's font: a text too long
// for its place reaches past it.
QRect textBox(
    const QWidget* widget, const QRect& rect, Qt::Alignment alignment, const QString& text)
{
    const QFontMetrics metrics(widget->font());
    QRect box(0, 0, metrics.horizontalAdvance(text), metrics.height());
    if (alignment & Qt::AlignRight)
        box.moveRight(rect.right());
    else if (alignment & Qt::AlignHCenter)
        box.moveLeft(rect.left() + (rect.width() - box.width()) / 2);
    else
        box.moveLeft(rect.left());
    box.moveTop(rect.top() + (rect.height() - box.height()) / 2);
    return box;
}

std::vector<PlacedText> placedTexts(const QWidget& window)
{
    std::vector<PlacedText> result;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        const int lineSpacing = QFontMetrics(label->font()).lineSpacing();
        const QRect inside = label->contentsRect();
        const int top
            = inside.top() + (inside.height() - lineSpacing * static_cast<int>(lines.size())) / 2;
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            const QRect line(inside.left(), top + i * lineSpacing, inside.width(), lineSpacing);
            const QRect box = textBox(label, line, label->alignment(), lines[i]);
            result.push_back({ lines[i], inWindow(label, box), inWindow(label, label->rect()) });
        }
    }
    // FigureLabel has no meta-object of its own: findChildren<FigureLabel*> would find any widget.
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* figure = dynamic_cast<const FigureLabel*>(widget);
        if (figure && figure->isVisibleTo(&window) && !figure->text().isEmpty())
            result.push_back({ figure->text(),
                inWindow(
                    figure, textBox(figure, figure->rect(), figure->alignment(), figure->text())),
                inWindow(figure, figure->rect()) });
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = group->alignment();
        const QRect title = group->style()->subControlRect(
            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        const int needed = QFontMetrics(group->font()).horizontalAdvance(group->title());
        result.push_back({ group->title(),
            inWindow(group, QRect(title.topLeft(), QSize(needed, title.height()))),
            inWindow(group, group->rect()) });
    }
    return result;
}

// Each text within the window and over no other text.
void expectTextsApart(
    const std::vector<PlacedText>& texts, const QWidget& window, const QString& language)
{
    const QRect edges = window.rect();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const PlacedText& one = texts[i];
        EXPECT_TRUE(edges.contains(one.box))
            << language.toStdString() << ": \"" << one.text.toStdString()
            << "\" crosses the edge of " << window.windowTitle().toStdString();
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(one.box.intersects(texts[j].box))
                << language.toStdString() << ": \"" << one.text.toStdString() << "\" runs over \""
                << texts[j].text.toStdString() << "\"";
        }
    }
}

// The words a chart draws itself, in window coordinates.
std::vector<PlacedText> chartTexts(const UsageChart& chart)
{
    std::vector<PlacedText> result;
    for (const UsageChart::Caption& caption : chart.captions())
        result.push_back(
            { caption.text, inWindow(&chart, caption.box), inWindow(&chart, chart.rect()) });
    return result;
}

// ...and each within its own widget: a text reaching past it is cut.
void expectTextsInPlace(
    const QWidget& window, const QString& language, const std::vector<PlacedText>& drawn = {})
{
    std::vector<PlacedText> texts = placedTexts(window);
    texts.insert(texts.end(), drawn.begin(), drawn.end());
    expectTextsApart(texts, window, language);
    for (const PlacedText& one : texts) {
        EXPECT_TRUE(one.place.contains(one.box))
            << language.toStdString() << ": \"" << one.text.toStdString() << "\" is cut";
    }
}

void expectButtonsWhole(const QWidget& window, const QString& language)
{
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty())
            continue;
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width())
            << language.toStdString() << ": button \"" << button->text().toStdString()
            << "\" is cut";
    }
}

void expectColumnTitlesWhole(const QHeaderView& header, const QString& language)
{
    const QFontMetrics metrics(header.font());
    for (int column = 0; column < header.count(); ++column) {
        const QString title = header.model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_LE(metrics.horizontalAdvance(title), header.sectionSize(column))
            << language.toStdString() << ": column \"" << title.toStdString() << "\" is cut";
    }
}

// Each item's text within its own line, and the lines apart and inside the menu.
void expectMenuItemsWhole(QMenu& menu, const QString& language)
{
    menu.ensurePolished();
    menu.resize(menu.sizeHint());
    ASSERT_FALSE(menu.grab().isNull());
    const QFontMetrics metrics(menu.font());
    std::vector<PlacedText> items;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QRect place = menu.actionGeometry(action);
        EXPECT_LE(metrics.horizontalAdvance(action->text()), place.width())
            << language.toStdString() << ": \"" << action->text().toStdString() << "\" is cut";
        items.push_back({ action->text(), place, place });
    }
    expectTextsApart(items, menu, language);
    const QRect screen = menu.screen()->availableGeometry();
    EXPECT_LE(menu.width(), screen.width() / 2) << "a menu wider than half the screen";
}

// Each line the on-screen log shows is within the memo: a long one wraps rather than runs out.
void expectLogLinesWhole(const QPlainTextEdit& log, const QString& language)
{
    int shown = 0;
    for (QTextBlock block = log.document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i, ++shown)
            EXPECT_LE(layout->lineAt(i).naturalTextWidth(), log.viewport()->width())
                << language.toStdString() << ": the log line \"" << block.text().toStdString()
                << "\" is cut";
    }
    EXPECT_GT(shown, 0) << "the log shows its start-up lines";
}

// Texts as wide as the figures get in daily use: a four-gigabyte connection, a terabyte in total,
// a week online, a megabyte a second.
void showWideFigures(TMainForm& form)
{
    const QLocale locale;
    form.LabelConn->setText(QStringLiteral("Work VPN"));
    form.LabelSpeed->setText(QStringLiteral("115200"));
    form.LabelSent->setText(locale.toString(Q_INT64_C(4294967295)));
    form.LabelRecv->setText(locale.toString(Q_INT64_C(4294967295)));
    form.LabelDuration->setText(QStringLiteral("168:00:00"));
    form.LabelDNS1->setText(QStringLiteral("255.255.255.255"));
    form.LabelDNS2->setText(QStringLiteral("255.255.255.254"));
    form.LabelServerIP->setText(QStringLiteral("255.255.255.253"));
    form.LabelClientIP->setText(QStringLiteral("255.255.255.252"));
    form.LabelUpSpeed->setText(QStringLiteral("1048576"));
    form.LabelDownSpeed->setText(QStringLiteral("1048576"));
    form.LabelLastConn->setText(QStringLiteral("Work VPN"));
    form.LabelLastSpeed->setText(QStringLiteral("115200"));
    form.LabelLastSent->setText(locale.toString(Q_INT64_C(4294967295)));
    form.LabelLastRecv->setText(locale.toString(Q_INT64_C(4294967295)));
    form.LabelLastDuration->setText(QStringLiteral("168:00:00"));
    form.LabelTotalSent->setText(locale.toString(Q_INT64_C(999999999999)));
    form.LabelTotalRecv->setText(locale.toString(Q_INT64_C(999999999999)));
    form.LabelTotalDuration->setText(QStringLiteral("8760:00:00"));
    TMonForm& monitor = form.MonForm();
    monitor.LabelSent->setText(QStringLiteral("99999"));
    monitor.LabelReceived->setText(QStringLiteral("99999"));
    monitor.LabelDuration->setText(QStringLiteral("99:59:59"));
}

// Leaves the window's picture in the test artefacts (windows/<name>_<language>.png), for a
// person to look at.
void keepPicture(QWidget& window, const QString& name, const QString& language)
{
    const std::filesystem::path folder = testing_support::artefactFolder() / "windows";
    std::filesystem::create_directories(folder);
    const QString file = QStringLiteral("%1/%2_%3.png")
                             .arg(QString::fromStdString(folder.string()), name, language);
    EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
}

// What each language's desktop calls the things the acceptance names.
struct Expected
{
    const char* language;
    const char* alwaysOnTop;
    const char* currentConnection;
    const char* sent;
    const char* received;
    const char* notAvailable; // the last connection on a first start
};
const Expected kExpected[] = {
    { "en", "Always On Top", "  Current Connection  ", "Sent:", "Received:", "N/A" },
    { "de", "Immer im Vordergrund", "  Aktuelle Verbindung  ", "Gesendet:", "Empfangen:", "k. A." },
    { "fr", "Toujours au premier plan", "  Connexion actuelle  ",
        "Envoyés\u00a0:", "Reçus\u00a0:", "N/D" },
    { "es", "Siempre encima", "  Conexión actual  ", "Enviados:", "Recibidos:", "N/D" },
    { "pt_BR", "Sempre no topo", "  Conexão atual  ", "Enviados:", "Recebidos:", "N/D" },
    { "ru", "Поверх всех окон", "  Текущее соединение  ", "Отправлено:", "Получено:", "Н/Д" },
    { "zh_CN", "总在最前", "  当前连接  ", "已发送：", "已接收：", "无" },
};

void PrintTo(const Expected& row, std::ostream* out)
{
    *out << row.language;
}

class TranslatedWindows : public AccessTest, public testing::WithParamInterface<Expected>
{
protected:
    TranslatedWindows()
    {
        const QString language = QString::fromLatin1(GetParam().language);
        if (language != QLatin1String("en")) {
            QLocale::setDefault(QLocale(language));
            m_loaded = translations::install(
                language, { QString::fromUtf8(testing_support::built::translations) });
        }
        fake().network.dnsServers = { "10.0.0.1" };
        m_form = std::make_unique<TMainForm>(m_runtime->configHome() / "bin" / "vantrel");
        std::filesystem::create_directories(m_runtime->configHome() / "bin");
        m_form->FormCreate();
    }
    ~TranslatedWindows() override
    {
        m_form.reset();
        translations::install(QString());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    QString language() const { return QString::fromLatin1(GetParam().language); }
    QLabel* caption(const char* text) const
    {
        for (QLabel* label : m_form->findChildren<QLabel*>()) {
            if (label->text() == QString::fromUtf8(text))
                return label;
        }
        return nullptr;
    }

    std::unique_ptr<TMainForm> m_form;
    bool m_loaded = true;
};

TEST_P(TranslatedWindows, ShowTheLanguagesWords)
{
    ASSERT_TRUE(m_loaded) << "no catalogue for " << language().toStdString() << " in "
                          << testing_support::built::translations;
    EXPECT_EQ(m_form->MenuAlwaysOnTop->text(), QString::fromUtf8(GetParam().alwaysOnTop));
    EXPECT_EQ(m_form->GroupBox2->title(), QString::fromUtf8(GetParam().currentConnection));
    EXPECT_NE(caption(GetParam().sent), nullptr) << GetParam().sent;
    EXPECT_NE(caption(GetParam().received), nullptr) << GetParam().received;
    // The registry keeps its own mark; only the window says it in the user's words.
    EXPECT_EQ(m_form->LabelLastConn->text(), QString::fromUtf8(GetParam().notAvailable));
    EXPECT_EQ(m_form->LabelLastDuration->toolTip(), QString::fromUtf8(GetParam().notAvailable));
}

TEST_P(TranslatedWindows, MainWindowKeepsEachTextInItsPlace)
{
    showWideFigures(*m_form);
    ASSERT_FALSE(m_form->grab().isNull());
    expectTextsInPlace(*m_form, language());
    expectLogLinesWhole(*m_form->Connlog, language());
    keepPicture(*m_form, QStringLiteral("main"), language());
}

TEST_P(TranslatedWindows, MonitorWindowKeepsEachTextInItsPlace)
{
    showWideFigures(*m_form);
    TMonForm& monitor = m_form->MonForm();
    ASSERT_FALSE(monitor.grab().isNull());
    EXPECT_EQ(monitor.windowTitle(), QCoreApplication::translate("TMonForm", "Vantrel - Monitor"));
    // Only figures, no words: apart and inside the window. (The design's 34-pixel duration box is
    // a pixel or two narrower than "00:00:00" in the substitute for "Small Fonts", in English
    // too; that is the font's doing, not a language's.)
    expectTextsApart(placedTexts(monitor), monitor, language());
    keepPicture(monitor, QStringLiteral("monitor"), language());
}

TEST_P(TranslatedWindows, AboutWindowKeepsItsPicture)
{
    TAboutForm& about = m_form->AboutForm();
    EXPECT_EQ(about.grab().size(), QSize(500, 350));
    expectTextsInPlace(about, language());
}

TEST_P(TranslatedWindows, PopupMenuShowsEveryItemWhole)
{
    expectMenuItemsWhole(*m_form->PopupMenu, language());
    keepPicture(*m_form->PopupMenu, QStringLiteral("menu"), language());
}

TEST_P(TranslatedWindows, ConnectionsChooserKeepsEachTextInItsPlace)
{
    m_runtime->source().thisMachine = true;
    m_form->MenuConnectionsClick();
    ConnectionChooser* chooser = m_form->connectionChooser();
    ASSERT_NE(chooser, nullptr);
    ASSERT_FALSE(chooser->grab().isNull());
    expectTextsInPlace(*chooser, language());
    const QRect screen = chooser->screen()->availableGeometry();
    EXPECT_LE(chooser->width(), screen.width()) << "the dialog is wider than the screen";
    expectColumnTitlesWhole(*chooser->list()->header(), language());
    expectButtonsWhole(*chooser, language());
}

TEST_P(TranslatedWindows, ConnectionsChooserOfASimulationKeepsEachTextInItsPlace)
{
    m_form->MenuConnectionsClick();
    ConnectionChooser* chooser = m_form->connectionChooser();
    ASSERT_NE(chooser, nullptr);
    ASSERT_NE(chooser->simulatedNote(), nullptr);
    ASSERT_FALSE(chooser->grab().isNull());
    expectTextsInPlace(*chooser, language());
    const QRect screen = chooser->screen()->availableGeometry();
    EXPECT_LE(chooser->width(), screen.width()) << "the dialog is wider than the screen";
    expectButtonsWhole(*chooser, language());
    keepPicture(*chooser, QStringLiteral("connections-simulated"), language());
}

TEST_P(TranslatedWindows, UsageWindowKeepsEachTextInItsPlace)
{
    // 20 March 2026, a plan's cycle two thirds gone and heading past its limit: the chart shows
    // every caption it has (title, four legend keys, the projection's line).
    constexpr std::int64_t kMB = 1'000'000;
    m_runtime->source().manualClock().setWallStart(
        QDateTime(QDate(2026, 3, 20), QTime(12, 0)).toMSecsSinceEpoch());
    const std::filesystem::path history = m_runtime->configHome() / "usage.sqlite3";
    {
        usage::UsageStore store(history, usage::UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        for (int day = 1; day <= 20; ++day) {
            const std::int64_t start
                = QDateTime(QDate(2026, 3, day), QTime(9, 0)).toSecsSinceEpoch();
            std::vector<usage::ConnectionRecord> calls(1);
            usage::ConnectionRecord& call = calls[0];
            call.name = "Work VPN";
            call.start = start;
            call.end = start + 36'000;
            call.duration = 36'000;
            call.sent = 20 * kMB;
            call.received = 80 * kMB;
            call.clientAddress = "255.255.255.252";
            call.serverAddress = "255.255.255.253";
            ASSERT_EQ(store.write(calls,
                          { { call.name, start, usage::kFineSpan, call.sent, call.received } }),
                "");
        }
    }
    UsageWindow::Source source;
    source.plans = [] {
        usage::DataPlan plan;
        plan.limit = { 2'500 * kMB, QStringLiteral("MB") };
        return std::vector { plan };
    };
    UsageWindow window(history, source);
    read(window);
    ASSERT_FALSE(window.grab().isNull());
    ASSERT_TRUE(window.dailyChart()->projectionShown());
    ASSERT_EQ(window.connectionsModel()->rowCount(), 20);
    // In the language's unit ("2,0 Go" in French).
    EXPECT_TRUE(window.summary()->text().contains(
        QCoreApplication::translate("UsageTexts", "%1 GB").arg(QLocale().toString(2.0, 'f', 1))))
        << language().toStdString() << ": the figures take the locale's decimal mark: "
        << window.summary()->text().toStdString();
    std::vector<PlacedText> drawn = chartTexts(*window.dailyChart());
    const std::vector<PlacedText> monthly = chartTexts(*window.monthlyChart());
    drawn.insert(drawn.end(), monthly.begin(), monthly.end());
    expectTextsInPlace(window, language(), drawn);
    expectColumnTitlesWhole(*window.connectionsTable()->horizontalHeader(), language());
    expectButtonsWhole(window, language());
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->menu())
            expectMenuItemsWhole(*button->menu(), language());
    }
    keepPicture(window, QStringLiteral("usage"), language());
}

TEST_P(TranslatedWindows, DataPlanDialogKeepsEachTextInItsPlace)
{
    m_form->MenuDataPlanClick();
    DataPlanForm* dialog = m_form->dataPlanDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->showFor(QStringLiteral("Work VPN"));
    // Both kinds of billing cycle: each shows its own row of fields.
    for (const int kind : { 0, 1 }) {
        dialog->CycleKind->setCurrentIndex(kind);
        dialog->adjustSize();
        ASSERT_FALSE(dialog->grab().isNull());
        SCOPED_TRACE(kind == 0 ? "monthly" : "every number of days");
        expectTextsInPlace(*dialog, language());
        expectButtonsWhole(*dialog, language());
        for (const QComboBox* box : dialog->findChildren<QComboBox*>()) {
            EXPECT_GE(box->width(), box->sizeHint().width())
                << language().toStdString() << ": \"" << box->currentText().toStdString()
                << "\" or another item of its list is cut";
        }
        const QFontMetrics metrics(dialog->Limit->font());
        EXPECT_LE(metrics.horizontalAdvance(dialog->Limit->placeholderText()),
            dialog->Limit->contentsRect().width() - 4)
            << language().toStdString() << ": the limit's example is cut";
        const QRect screen = dialog->screen()->availableGeometry();
        EXPECT_LE(dialog->width(), screen.width()) << "a dialog wider than the screen";
        keepPicture(*dialog, QStringLiteral("dataplan%1").arg(kind), language());
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows, testing::ValuesIn(kExpected),
    [](const testing::TestParamInfo<Expected>& row) { return std::string(row.param.language); });

} // namespace
