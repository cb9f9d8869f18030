// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usage/records.h"

#include <QAbstractTableModel>
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

    // In time order, as the store gives them.
    void setRecords(std::vector<usage::ConnectionRecord> records);
    const usage::ConnectionRecord& record(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const usage::ConnectionRecord& record, int column) const;

    std::vector<usage::ConnectionRecord> m_records;
};
