#include "workbench/PointDialog.h"

#include "chart/StatusLabel.h"
#include "project/Project.h"
#include "workbench/FieldText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace chart {
namespace {

using project::Input;

QString Capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

PointDialog::PointDialog(project::Project* project, const CalculatorView& view, QWidget* parent)
    : QDialog(parent), project_(project), view_(view) {
    setWindowTitle(tr("Add Point"));
    setAccessibleName(tr("Add Point"));

    auto* form = new QFormLayout;
    const QString ordinal[2] = {tr("First"), tr("Second")};
    const QString propertyLabel[2] = {tr("&First property:"), tr("&Second property:")};
    const QString valueLabel[2] = {tr("First &value:"), tr("Second va&lue:")};
    for (int k = 0; k < 2; ++k) {
        inputs_[k] = new QComboBox(this);
        for (int i = 0; i < project::kInputCount; ++i)
            inputs_[k]->addItem(
                Capitalised(QString::fromUtf8(project::InputName(static_cast<Input>(i)))), i);
        inputs_[k]->setAccessibleName(tr("%1 property").arg(ordinal[k]));
        form->addRow(propertyLabel[k], inputs_[k]);

        values_[k] = new QLineEdit(this);
        values_[k]->setAccessibleName(tr("%1 value").arg(ordinal[k]));
        units_[k] = new QLabel(this);
        units_[k]->setAccessibleName(tr("%1 value's unit").arg(ordinal[k]));
        auto* row = new QHBoxLayout;
        row->addWidget(values_[k], 1);
        row->addWidget(units_[k]);
        form->addRow(valueLabel[k], row);
        // The label of a row holding a layout has no buddy of its own.
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(row)))
            label->setBuddy(values_[k]);
    }
    name_ = new QLineEdit(this);
    name_->setAccessibleName(tr("Name"));
    name_->setPlaceholderText(project_ ? project_->nextPointName() : QString());
    name_->setToolTip(tr("Left empty, the point takes the next name in sequence."));
    form->addRow(tr("&Name:"), name_);

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    MakeStatusLabel(message_, tr("Message"));
    message_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("&Add"));
    buttons_->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Add"));
    buttons_->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &PointDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PointDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addWidget(buttons_);

    for (int k = 0; k < 2; ++k) {
        connect(inputs_[k], &QComboBox::currentIndexChanged, this,
                [this, k](int) { inputChanged(k); });
        connect(values_[k], &QLineEdit::textChanged, this, &PointDialog::update);
    }
    setInputs(Input::DryBulb, Input::RelativeHumidity);
}

void PointDialog::setInputs(Input first, Input second) {
    inputs_[0]->setCurrentIndex(static_cast<int>(first));
    inputs_[1]->setCurrentIndex(static_cast<int>(second));
    inputChanged(0);
    inputChanged(1);
}

void PointDialog::inputChanged(int which) {
    const int field = inputs_[which]->currentIndex();
    units_[which]->setText(FieldUnit(view_, field));
    // Start from the calculator's value of that property while it shows a
    // solution; otherwise leave the value to be typed.
    values_[which]->setText(view_.ticked ? FieldText(view_, view_.state, field) : QString());
    update();
}

std::optional<project::PointDefinition> PointDialog::definition(QString& why) const {
    project::InputValue v[2];
    for (int k = 0; k < 2; ++k) {
        const int field = inputs_[k]->currentIndex();
        v[k].input = static_cast<Input>(field);
        const auto typed = ReadFieldText(view_, field, values_[k]->text());
        if (!typed) {
            why = values_[k]->text().trimmed().isEmpty()
                      ? tr("Type the %1.").arg(QString::fromUtf8(project::InputName(v[k].input)))
                      : tr("“%1” is not a number for the %2.")
                            .arg(values_[k]->text().trimmed(),
                                 QString::fromUtf8(project::InputName(v[k].input)));
            return std::nullopt;
        }
        v[k].value = *typed;
    }
    if (auto pair = project::CheckPair(v[0].input, v[1].input)) {
        why = QString::fromStdString(*pair);
        return std::nullopt;
    }
    return project::PointDefinition{v[0], v[1]};
}

void PointDialog::update() {
    QString why;
    const auto d = definition(why);
    if (d && project_) {
        // Only real air is added: say why the pair is not air at the
        // project's pressure.
        const project::Solution solution = project::Solve(*d, project_->atmosphere());
        if (!solution.state)
            why = QString::fromStdString(ReasonText(
                *solution.reason, basPsychroFun::SelectorOf(project_->atmosphere().system)));
    }
    SetStatusText(message_, why);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(why.isEmpty() && project_);
}

QString PointDialog::messageText() const {
    return message_->text();
}

bool PointDialog::canAdd() const {
    return buttons_->button(QDialogButtonBox::Ok)->isEnabled();
}

void PointDialog::accept() {
    QString why;
    const auto d = definition(why);
    if (!d || !project_ || !canAdd())
        return;
    const project::Added added = project_->addPoint(*d, name_->text());
    if (!added.ok()) {
        SetStatusText(message_, added.error);
        name_->setFocus();
        return;
    }
    added_ = added.index;
    QDialog::accept();
}

} // namespace chart
