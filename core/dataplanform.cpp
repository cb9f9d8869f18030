// SPDX-License-Identifier: GPL-3.0-or-later
#include "dataplanform.h"

#include "platform/clock.h"
#include "usage/planstore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A row of widgets with a caption between them, as one field of the form.
QWidget* inRow(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return row;
}

} // namespace

DataPlanForm::DataPlanForm(TMyReg& registry, std::function<void()> changed, QWidget* parent)
    : QDialog(parent)
    , m_registry(registry)
    , m_changed(std::move(changed))
{
    setWindowTitle(tr("Vantrel - Data Plan"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    Scope = new QComboBox(this);
    // Its items change with the connection each time the dialog opens.
    Scope->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    form->addRow(tr("Plan for:"), Scope);
    Limit = new QLineEdit(this);
    Limit->setPlaceholderText(tr("such as 500 MB, 5 GB or 2.5 GiB"));
    // The example whole, in every language (with room for the frame and the text's margins).
    Limit->setMinimumWidth(Limit->fontMetrics().horizontalAdvance(Limit->placeholderText()) + 16);
    form->addRow(tr("Limit:"), Limit);
    Counts = new QComboBox(this);
    Counts->addItems({ tr("Sent and received"), tr("Received only") });
    form->addRow(tr("Counts:"), Counts);

    CycleKind = new QComboBox(this);
    CycleKind->addItems({ tr("Monthly"), tr("Every number of days") });
    form->addRow(tr("Billing cycle:"), CycleKind);
    CycleDay = new QSpinBox(this);
    CycleDay->setRange(1, 31);
    m_monthly = inRow(this, { new QLabel(tr("starts on day"), this), CycleDay });
    form->addRow(QString(), m_monthly);
    CycleDays = new QSpinBox(this);
    CycleDays->setRange(1, 3660);
    CycleDays->setValue(30);
    CycleFrom = new QDateEdit(this);
    CycleFrom->setCalendarPopup(true);
    CycleFrom->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_every = inRow(this,
        { new QLabel(tr("every"), this), CycleDays, new QLabel(tr("days from"), this), CycleFrom });
    form->addRow(QString(), m_every);
    Thresholds = new QLineEdit(this);
    form->addRow(tr("Warn at (%):"), Thresholds);

    Message = new QLabel(this);
    Message->setWordWrap(true);
    layout->addWidget(Message);

    auto* buttons = new QDialogButtonBox(this);
    SaveButton = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    ClearButton = buttons->addButton(tr("Clear Plan"), QDialogButtonBox::DestructiveRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);

    // The buttons act without closing: the messages stay in view.
    QObject::disconnect(buttons, nullptr, this, nullptr);
    QObject::connect(SaveButton, &QPushButton::clicked, this, [this] { save(); });
    QObject::connect(ClearButton, &QPushButton::clicked, this, [this] { clear(); });
    QObject::connect(close, &QPushButton::clicked, this, &QDialog::close);
    QObject::connect(Scope, &QComboBox::currentIndexChanged, this, [this] { loadScope(); });
    QObject::connect(CycleKind, &QComboBox::currentIndexChanged, this, [this] { showCycleKind(); });
    showCycleKind();
}

void DataPlanForm::showFor(const QString& entryName)
{
    const QSignalBlocker blocker(Scope);
    Scope->clear();
    if (!entryName.isEmpty())
        Scope->addItem(tr("This connection: %1").arg(entryName), entryName);
    Scope->addItem(tr("All connections"), QString());
    Scope->setCurrentIndex(0);
    loadScope();
}

QString DataPlanForm::scopeName() const
{
    return Scope->currentData().toString();
}

void DataPlanForm::loadScope()
{
    const auto loaded = usage::loadPlans(m_registry);
    const QString name = scopeName();
    const auto found = std::find_if(loaded.plans.begin(), loaded.plans.end(),
        [&](const usage::DataPlan& plan) { return plan.name == name; });
    const usage::DataPlan plan = found != loaded.plans.end() ? *found : usage::DataPlan {};
    const bool stored = found != loaded.plans.end();
    Limit->setText(stored ? usage::limitText(plan.limit) : QString());
    Counts->setCurrentIndex(plan.downloadOnly ? 1 : 0);
    CycleKind->setCurrentIndex(plan.cycle.kind == usage::BillingCycle::Kind::Monthly ? 0 : 1);
    CycleDay->setValue(plan.cycle.day);
    CycleDays->setValue(plan.cycle.days);
    CycleFrom->setDate(
        plan.cycle.from.isValid() ? plan.cycle.from : platform::wallClockNow().date());
    Thresholds->setText(
        usage::thresholdsText(plan.thresholds).replace(QLatin1Char(','), QLatin1String(", ")));
    ClearButton->setEnabled(stored);
    say(stored ? QString() : tr("No data plan is set here."), false);
    m_savedValues = fieldValues();
}

QStringList DataPlanForm::fieldValues() const
{
    return { Limit->text().trimmed(), QString::number(Counts->currentIndex()),
        QString::number(CycleKind->currentIndex()), QString::number(CycleDay->value()),
        QString::number(CycleDays->value()), CycleFrom->date().toString(Qt::ISODate),
        Thresholds->text().simplified() };
}

void DataPlanForm::reject()
{
    if (fieldValues() != m_savedValues) {
        const auto answer = QMessageBox::question(this, windowTitle(),
            tr("The data plan has changes that are not saved. Save them?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        // A plan that cannot be saved keeps the dialog open, its fault said below the fields.
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save()))
            return;
    }
    QDialog::reject();
}

void DataPlanForm::showCycleKind()
{
    const bool monthly = CycleKind->currentIndex() == 0;
    m_monthly->setVisible(monthly);
    m_every->setVisible(!monthly);
}

void DataPlanForm::say(const QString& text, bool problem)
{
    Message->setText(text);
    Message->setStyleSheet(problem ? QStringLiteral("color: #b00000;") : QString());
}

bool DataPlanForm::save()
{
    usage::DataPlan plan;
    plan.name = scopeName();
    if (Limit->text().trimmed().isEmpty()) {
        say(tr("Enter a limit, such as 5 GB."), true);
        return false;
    }
    const auto limit = usage::parseLimit(Limit->text(), locale());
    if (!limit.limit) {
        say(limit.error, true);
        return false;
    }
    plan.limit = *limit.limit;
    plan.downloadOnly = Counts->currentIndex() == 1;
    if (CycleKind->currentIndex() == 0) {
        plan.cycle.kind = usage::BillingCycle::Kind::Monthly;
        plan.cycle.day = CycleDay->value();
    } else {
        plan.cycle.kind = usage::BillingCycle::Kind::EveryDays;
        plan.cycle.days = CycleDays->value();
        plan.cycle.from = CycleFrom->date();
    }
    const auto thresholds = usage::parseThresholds(Thresholds->text());
    if (!thresholds.thresholds) {
        say(thresholds.error, true);
        return false;
    }
    plan.thresholds = *thresholds.thresholds;
    if (const QString problem = usage::savePlan(m_registry, plan); !problem.isEmpty()) {
        say(problem, true);
        return false;
    }
    ClearButton->setEnabled(true);
    say(tr("Saved: %1 a cycle.").arg(usage::limitText(plan.limit)), false);
    m_savedValues = fieldValues();
    if (m_changed)
        m_changed();
    return true;
}

void DataPlanForm::clear()
{
    usage::clearPlan(m_registry, scopeName());
    loadScope();
    say(tr("The data plan is cleared."), false);
    if (m_changed)
        m_changed();
}
