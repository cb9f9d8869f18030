// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionchooser.h"

#include "components/base/myreg.h"
#include "components/base/storedsettings.h"
#include "platform/runtime.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <fnmatch.h>

namespace {

// The platform's words for an interface's kind and state, for the catalogues: the list shows
// them translated.
[[maybe_unused]] const char* const kInterfaceWords[] = {
    QT_TRANSLATE_NOOP("ConnectionChooser", "point-to-point"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "ppp"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "modem"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "tunnel"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "wireless"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "ethernet"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "other"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "vpn"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "pppoe"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "connected"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "connecting"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "down"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "up"),
    QT_TRANSLATE_NOOP("ConnectionChooser", "no carrier"),
};

QStringList entriesOf(const QString& setting)
{
    QStringList entries;
    for (const QString& part : setting.split(QLatin1Char(','))) {
        if (!part.trimmed().isEmpty())
            entries << part.trimmed();
    }
    return entries;
}

// The data source's own matching: whole names, shell glob patterns.
bool matches(const QStringList& entries, const QString& name)
{
    const QByteArray text = name.toUtf8();
    return !name.isEmpty()
        && std::any_of(entries.begin(), entries.end(), [&](const QString& entry) {
               return fnmatch(entry.toUtf8().constData(), text.constData(), 0) == 0;
           });
}

} // namespace

ConnectionChooser::ConnectionChooser(TMyReg& registry, QWidget* parent)
    : QDialog(parent)
    , m_registry(registry)
{
    setWindowTitle(tr("Vantrel - Connections"));
    platform::DataSource& source = platform::Runtime::current().source();
    auto* layout = new QVBoxLayout(this);
    if (!source.watchesThisMachine()) {
        // An empty list would read as a machine without interfaces.
        m_simulated = new QLabel(tr("Vantrel is watching a simulated machine, not this one:\n"
                                    "VANTREL_SOURCE=%1\n"
                                    "Its connections come from the simulation: there are no "
                                    "interfaces to choose here.\n"
                                    "Start Vantrel without VANTREL_SOURCE to choose among this "
                                    "machine's interfaces.")
                                     .arg(QString::fromStdString(source.name())),
            this);
        m_simulated->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(m_simulated);
    }
    auto* about = new QLabel(tr("Point-to-point links, mobile broadband, VPN and PPPoE "
                                "connections are always watched.\n"
                                "Check any other interface to watch it as a connection."),
        this);
    layout->addWidget(about);
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        { tr("Interface"), tr("Connection"), tr("Kind"), tr("State"), tr("Addresses") });
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list);
    auto* others = new QLabel(tr("Other names or patterns (comma-separated):"), this);
    layout->addWidget(others);
    m_patterns = new QLineEdit(this);
    layout->addWidget(m_patterns);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* refreshButton = buttons->addButton(tr("Refresh"), QDialogButtonBox::ActionRole);
    if (m_simulated) {
        layout->addStretch();
        for (QWidget* choosing :
            std::initializer_list<QWidget*> { about, m_list, others, m_patterns, refreshButton })
            choosing->hide();
    }
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    QObject::connect(refreshButton, &QPushButton::clicked, this, &ConnectionChooser::refresh);
    QObject::connect(m_list, &QTreeWidget::itemChanged, this, [this] {
        if (!m_filling)
            save();
    });
    QObject::connect(m_patterns, &QLineEdit::editingFinished, this, &ConnectionChooser::save);
    resize(640, 320);
    refresh();
}

void ConnectionChooser::refresh()
{
    const QStringList entries = entriesOf(settings::read<"Connections">(m_registry));
    QStringList unused = entries;
    m_filling = true;
    m_list->clear();
    for (const auto& info : platform::Runtime::current().source().interfaces()) {
        const QString name = QString::fromStdString(info.name);
        const QString connection = QString::fromStdString(info.connection);
        QStringList addresses;
        for (const auto& address : info.addresses)
            addresses << QString::fromStdString(address);
        auto* item = new QTreeWidgetItem(m_list,
            { name, connection, tr(info.kind.c_str()), tr(info.state.c_str()),
                addresses.join(QStringLiteral(", ")) });
        const bool chosen = matches(entries, name) || matches(entries, connection);
        for (const QString& entry : entries) {
            if (entry == name || entry == connection)
                unused.removeAll(entry);
        }
        item->setCheckState(ColumnName, chosen || info.automatic ? Qt::Checked : Qt::Unchecked);
        if (info.automatic) {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
            item->setToolTip(ColumnName, tr("Watched always"));
        }
    }
    m_patterns->setText(unused.join(QStringLiteral(", ")));
    m_filling = false;
}

void ConnectionChooser::save()
{
    // A connection is kept by its name, which stays when its interface's name changes.
    QStringList entries;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (!(item->flags() & Qt::ItemIsUserCheckable)
            || item->checkState(ColumnName) != Qt::Checked)
            continue;
        const QString connection = item->text(ColumnConnection);
        entries << (connection.isEmpty() ? item->text(ColumnName) : connection);
    }
    entries << entriesOf(m_patterns->text());
    entries.removeDuplicates();
    const QString setting = entries.join(QLatin1Char(','));
    if (setting == settings::read<"Connections">(m_registry))
        return;
    settings::write<"Connections">(m_registry, setting);
    platform::Runtime::current().source().settingsChanged();
}
