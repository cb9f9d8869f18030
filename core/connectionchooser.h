// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TMyReg;

// "Connections...": the machine's interfaces with a check box each, for choosing the links to
// watch besides those watched anyway. Every change is written at once to Option\Connections
// (names and glob patterns, comma-separated) and taken up by the data source on the next tick.
class ConnectionChooser : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(ConnectionChooser)

public:
    explicit ConnectionChooser(TMyReg& registry, QWidget* parent = nullptr);

    // Lists the interfaces again, as they are now.
    void refresh();
    QTreeWidget* list() const { return m_list; }
    QLineEdit* patterns() const { return m_patterns; }
    // Why nothing is listed, when the data source is a simulation; null otherwise.
    QLabel* simulatedNote() const { return m_simulated; }

    enum Column { ColumnName, ColumnConnection, ColumnKind, ColumnState, ColumnAddresses };

private:
    void save();

    TMyReg& m_registry;
    QTreeWidget* m_list;
    QLineEdit* m_patterns; // entries of the setting that name no listed interface
    QLabel* m_simulated = nullptr;
    bool m_filling = false;
};
