// SPDX-License-Identifier: GPL-3.0-or-later
#include "usageconnectionsmodel.h"

#include "monitor/usagetexts.h"
#include "usage/usageexport.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <iterator>

UsageConnectionsModel::UsageConnectionsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

bool UsageConnectionsModel::setRecords(std::vector<usage::ConnectionRecord> records)
{
    const auto gone = oldestGone(records);
    if (!gone) {
        beginResetModel();
        m_records = std::move(records);
        endResetModel();
        return true;
    }
    // The newest record is row 0: the gone ones are the last rows, the added ones come on top.
    const int shown = rowCount();
    if (*gone > 0) {
        beginRemoveRows({}, shown - static_cast<int>(*gone), shown - 1);
        m_records.erase(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(*gone));
        endRemoveRows();
    }
    const std::size_t kept = m_records.size();
    for (std::size_t i = 0; i < kept; ++i) {
        if (m_records[i] == records[i])
            continue;
        m_records[i] = std::move(records[i]);
        const int row = rowCount() - 1 - static_cast<int>(i);
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
    if (records.size() > kept) {
        beginInsertRows({}, 0, static_cast<int>(records.size() - kept) - 1);
        m_records.insert(m_records.end(),
            std::make_move_iterator(records.begin() + static_cast<std::ptrdiff_t>(kept)),
            std::make_move_iterator(records.end()));
        endInsertRows();
    }
    return false;
}

std::optional<std::size_t> UsageConnectionsModel::oldestGone(
    const std::vector<usage::ConnectionRecord>& records) const
{
    if (m_records.empty() || records.empty())
        return std::nullopt;
    const auto first = std::find_if(m_records.begin(), m_records.end(),
        [&](const usage::ConnectionRecord& shown) { return shown.id == records.front().id; });
    const auto gone = static_cast<std::size_t>(first - m_records.begin());
    const std::size_t kept = m_records.size() - gone;
    if (first == m_records.end() || records.size() < kept)
        return std::nullopt;
    for (std::size_t i = 0; i < kept; ++i) {
        if (m_records[gone + i].id != records[i].id)
            return std::nullopt;
    }
    return gone;
}

const usage::ConnectionRecord& UsageConnectionsModel::record(int row) const
{
    return m_records[m_records.size() - 1 - static_cast<std::size_t>(row)];
}

int UsageConnectionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_records.size());
}

int UsageConnectionsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString UsageConnectionsModel::text(const usage::ConnectionRecord& call, int column) const
{
    switch (column) {
    case ColumnName:
        return QString::fromStdString(call.name);
    case ColumnStart:
        return QLocale().toString(QDateTime::fromSecsSinceEpoch(call.start), QLocale::ShortFormat);
    case ColumnDuration: {
        const QString duration = QString::fromStdString(usage::clockDuration(call.duration));
        return call.end ? duration : tr("%1 (up)").arg(duration);
    }
    case ColumnSent:
        return usagetexts::bytes(call.sent);
    case ColumnReceived:
        return usagetexts::bytes(call.received);
    case ColumnAddresses:
        if (call.clientAddress.empty() || call.serverAddress.empty())
            return QString::fromStdString(call.clientAddress + call.serverAddress);
        return tr("%1 → %2").arg(
            QString::fromStdString(call.clientAddress), QString::fromStdString(call.serverAddress));
    default:
        return {};
    }
}

QVariant UsageConnectionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto& call = record(index.row());
    const bool bytes = index.column() == ColumnSent || index.column() == ColumnReceived;
    switch (role) {
    case Qt::DisplayRole:
        return text(call, index.column());
    case Qt::ToolTipRole:
        // The exact figure behind the rounded one.
        if (bytes)
            return tr("%1 bytes")
                .arg(QLocale().toString(static_cast<qlonglong>(
                    index.column() == ColumnSent ? call.sent : call.received)));
        return {};
    case Qt::TextAlignmentRole:
        return bytes || index.column() == ColumnDuration
            ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
            : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant UsageConnectionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColumnName:
        return tr("Connection");
    case ColumnStart:
        return tr("Start");
    case ColumnDuration:
        return tr("Duration");
    case ColumnSent:
        return tr("Sent");
    case ColumnReceived:
        return tr("Received");
    case ColumnAddresses:
        return tr("Addresses");
    default:
        return {};
    }
}
