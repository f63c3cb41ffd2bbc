#include "workbench/ProcessDialogs.h"

#include "chart/StatusLabel.h"
#include "core/RealAir.h"
#include "units/text/NumberText.h"
#include "workbench/FieldText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

namespace chart {

using calculator::kDryBulb;

// --- The common frame -----------------------------------------------------

ProjectEditDialog::ProjectEditDialog(project::Project* project, const QString& title,
                                     QWidget* parent)
    : QDialog(parent), project_(project) {
    setWindowTitle(title);
    setAccessibleName(title);
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    MakeStatusLabel(message_, tr("Message"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(message_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setAccessibleName(tr("Dialog buttons"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProjectEditDialog::reject);
}

void ProjectEditDialog::showMessage(const QString& text) {
    SetStatusText(message_, text);
}

QComboBox* ProjectEditDialog::addPointRow(const QString& label, const QString& accessibleName,
                                          int preselect) {
    auto* combo = new QComboBox(this);
    combo->setAccessibleName(accessibleName);
    if (project_)
        for (int i = 0; i < project_->pointCount(); ++i)
            combo->addItem(project_->pointName(i), project_->point(i).id);
    if (preselect >= 0 && preselect < combo->count())
        combo->setCurrentIndex(preselect);
    form_->addRow(label, combo);
    return combo;
}

int ProjectEditDialog::pointIndex(const QComboBox* combo) const {
    if (!project_ || combo->currentIndex() < 0)
        return -1;
    return project_->indexOfId(combo->currentData().toInt());
}

void ProjectEditDialog::accept() {
    const project::Added result =
        project_ ? edit() : project::Added{-1, tr("The project is closed.")};
    if (!result.ok()) {
        showMessage(result.error);
        emit refused(result.error);
        return;
    }
    showMessage({});
    emit added(result.index);
    QDialog::accept();
}

// --- Add Process ----------------------------------------------------------

AddProcessDialog::AddProcessDialog(project::Project* project, QWidget* parent)
    : ProjectEditDialog(project, tr("Add Process"), parent) {
    from_ = addPointRow(tr("&From:"), tr("Entering point"), 0);
    to_ = addPointRow(tr("&To:"), tr("Leaving point"), 1);
}

project::Added AddProcessDialog::edit() {
    return project_->addProcess(pointIndex(from_), pointIndex(to_));
}

// --- Cooling Coil ---------------------------------------------------------

CoolingCoilDialog::CoolingCoilDialog(project::Project* project, const CalculatorView& view,
                                     QWidget* parent)
    : ProjectEditDialog(project, tr("Cooling Coil"), parent), view_(view) {
    entering_ = addPointRow(tr("&Entering air:"), tr("Entering point"), 0);
    enteringAir_ = new QLabel(this);
    enteringAir_->setAccessibleName(tr("Entering air"));
    form()->addRow(QString(), enteringAir_);

    const QString unit = FieldUnit(view_, kDryBulb);
    adp_ = new QLineEdit(this);
    adp_->setAccessibleName(tr("Apparatus dew point in %1").arg(unit));
    form()->addRow(tr("Apparatus &dew point (%1):").arg(unit), adp_);

    bypass_ = new QLineEdit(QLocale().toString(0.1, 'f', 2), this);
    bypass_->setAccessibleName(tr("Bypass factor, 0 to 1"));
    form()->addRow(tr("&Bypass factor (0 to 1):"), bypass_);

    connect(entering_, &QComboBox::currentIndexChanged, this, &CoolingCoilDialog::showEnteringAir);
    showEnteringAir();
}

void CoolingCoilDialog::showEnteringAir() {
    const int index = pointIndex(entering_);
    if (index < 0 || !project_->pointResult(index).state) {
        enteringAir_->clear();
        return;
    }
    // The ADP must lie below the dry bulb and no higher than the dew point
    // of the entering air (CoolingCoil.h): both in the unit the ADP is typed.
    const CalcState& state = *project_->pointResult(index).state;
    const QString unit = FieldUnit(view_, kDryBulb);
    QString text = tr("Dry bulb %1 %2").arg(TemperatureText(view_, state.Tdb, kDryBulb), unit);
    if (calculator::HasDewPoint(state))
        text += tr(", dew point %1 %2").arg(TemperatureText(view_, state.Tdp, kDryBulb), unit);
    enteringAir_->setText(text);
}

project::Added CoolingCoilDialog::edit() {
    const std::optional<double> adpF = ReadFieldText(view_, kDryBulb, adp_->text());
    if (!adpF)
        return {
            -1,
            tr("Type the apparatus dew point as a number in %1.").arg(FieldUnit(view_, kDryBulb))};
    const std::optional<double> bypass = basConversions::ReadNumber(bypass_->text());
    if (!bypass)
        return {-1, tr("Type the bypass factor as a number from 0 up to 1.")};
    return project_->addCoil(pointIndex(entering_), *adpF, *bypass);
}

// --- Mix ------------------------------------------------------------------

MixDialog::MixDialog(project::Project* project, QWidget* parent)
    : ProjectEditDialog(project, tr("Mix"), parent) {
    first_ = addPointRow(tr("&First stream:"), tr("First point"), 0);
    second_ = addPointRow(tr("&Second stream:"), tr("Second point"), 1);
    connect(first_, &QComboBox::currentIndexChanged, this, &MixDialog::showAirflowNote);
    connect(second_, &QComboBox::currentIndexChanged, this, &MixDialog::showAirflowNote);
    showAirflowNote();
}

void MixDialog::showAirflowNote() {
    QStringList without;
    for (const QComboBox* combo : {first_, second_}) {
        const int index = pointIndex(combo);
        if (index >= 0 && !project_->point(index).airflow)
            without << project_->pointName(index);
    }
    without.removeDuplicates();
    if (without.isEmpty())
        showMessage({});
    else if (without.size() == 1)
        showMessage(tr("Both points need an airflow to mix: %1 has none.").arg(without.front()));
    else
        showMessage(tr("Both points need an airflow to mix: %1 and %2 have none.")
                        .arg(without.front(), without.back()));
}

project::Added MixDialog::edit() {
    return project_->addMixing(pointIndex(first_), pointIndex(second_));
}

} // namespace chart
