// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TMyReg;

// "Data Plan...": sets or clears the data plan of the current entry name or of all connections:
// the limit, what counts, the billing cycle and the warning thresholds. Nothing is written until
// every field is valid; what is wrong is said below the fields.
class DataPlanForm : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(DataPlanForm)

public:
    // `changed` runs after a plan was written or cleared.
    DataPlanForm(TMyReg& registry, std::function<void()> changed, QWidget* parent = nullptr);

    // Offers the plan of `entryName` (when there is one) and the plan for all connections, and
    // shows the stored values of the first.
    void showFor(const QString& entryName);
    bool save();
    void clear();
    // Closing with changes not saved asks whether to save them first.
    void reject() override;

    QComboBox* Scope;
    QLineEdit* Limit;
    QComboBox* Counts;
    QComboBox* CycleKind;
    QSpinBox* CycleDay;
    QSpinBox* CycleDays;
    QDateEdit* CycleFrom;
    QLineEdit* Thresholds;
    QLabel* Message;
    QPushButton* SaveButton;
    QPushButton* ClearButton;

private:
    // The entry name the chosen scope stands for; empty for all connections.
    QString scopeName() const;
    void loadScope();
    void showCycleKind();
    void say(const QString& text, bool problem);
    // The fields as they stand, to tell whether they differ from the plan as loaded or saved.
    QStringList fieldValues() const;

    TMyReg& m_registry;
    std::function<void()> m_changed;
    QWidget* m_monthly;
    QWidget* m_every;
    QStringList m_savedValues;
};
