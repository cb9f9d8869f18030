// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usage/records.h"

#include <QAbstractTableModel>
#include <optional>
#include <vector>

// The usage history's connection records as a table, the newest first: name, start, duration,
// bytes sent and received, and the two addresses.
class UsageConnectionsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ColumnName,
        ColumnStart,
        ColumnDuration,
        ColumnSent,
        ColumnReceived,
        ColumnAddresses,
        ColumnCount
    };

    explicit UsageConnectionsModel(QObject* parent = nullptr);

    // In time order, as the store gives them. A refresh that finds the records shown, the
    // newest perhaps grown, newer ones added and the oldest gone, is told to the view row by
    // row, so it keeps its place and selection; anything else replaces the rows, and then the
    // answer is true.
    bool setRecords(std::vector<usage::ConnectionRecord> records);
    const usage::ConnectionRecord& record(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Where the records shown go on as the start of `records`: the number of the oldest shown
    // that are gone; none when they do not.
    std::optional<std::size_t> oldestGone(
        const std::vector<usage::ConnectionRecord>& records) const;
    QString text(const usage::ConnectionRecord& record, int column) const;

    std::vector<usage::ConnectionRecord> m_records;
};
