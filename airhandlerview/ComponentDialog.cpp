#include "airhandlerview/ComponentDialog.h"

#include "airhandlerview/AirHandlerTexts.h"
#include "airhandlerview/DisplayUnits.h"
#include "chart/StatusLabel.h"

#include <type_traits>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace chart {

using namespace airhandler;

ComponentDialog::ComponentDialog(const Component& component, basPsychroFun::UnitSystem system,
                                 processes::AirflowUnit airflowUnit, Apply apply, QWidget* parent)
    : QDialog(parent), value_(component), system_(system), airflowUnit_(airflowUnit),
      apply_(std::move(apply)) {
    const QString name = AirHandlerText(ComponentName(component));
    setWindowTitle(tr("%1 Settings").arg(name));
    setAccessibleName(windowTitle());

    form_ = new QFormLayout;
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    build();

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    MakeStatusLabel(message_, tr("Component message"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ComponentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ComponentDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(message_);
    layout->addWidget(buttons);
}

void ComponentDialog::addNumber(const QString& label, Kind kind, double* target) {
    auto* edit = new QLineEdit(this);
    QString unit;
    double shown = *target;
    int decimals = 2;
    switch (kind) {
    case Kind::Temperature:
        unit = TemperatureSymbol(system_);
        shown = TemperatureShown(*target, system_);
        break;
    case Kind::Span:
        unit =
            system_ == basPsychroFun::UnitSystem::SI ? QStringLiteral("K") : QStringLiteral("°F");
        shown = SpanShown(*target, system_);
        break;
    case Kind::Percent:
        unit = QStringLiteral("%");
        shown = basPsychroFun::units::FractionToPercent(*target);
        decimals = 1;
        break;
    case Kind::Fraction:
        unit = tr("0 to 1");
        decimals = 3;
        break;
    case Kind::Plain:
        break;
    case Kind::Airflow:
        unit = AirflowSymbol(airflowUnit_);
        decimals = airflowUnit_ == processes::AirflowUnit::CubicMetresPerSecond ? 4 : 1;
        break;
    }
    edit->setText(NumberText(shown, decimals));
    // The name a screen reader speaks, without the mnemonic's ampersand.
    QString plain = label;
    plain.remove(QLatin1Char('&'));
    if (plain.endsWith(QLatin1Char(':')))
        plain.chop(1);
    edit->setAccessibleName(plain);
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    if (!unit.isEmpty()) {
        auto* unitLabel = new QLabel(unit, this);
        unitLabel->setAccessibleName(tr("%1 unit").arg(plain));
        row->addWidget(unitLabel);
    }
    form_->addRow(label, row);
    if (auto* l = qobject_cast<QLabel*>(form_->labelForField(row)))
        l->setBuddy(edit);
    numbers_.push_back(edit);
    readers_.push_back([this, edit, kind, target, plain]() -> QString {
        const auto typed = ReadNumber(edit->text());
        if (!typed)
            return tr("“%1” is not a number for the %2.")
                .arg(edit->text().trimmed(), plain.toLower());
        switch (kind) {
        case Kind::Temperature:
            *target = TemperatureFromShown(*typed, system_);
            break;
        case Kind::Span:
            *target = SpanFromShown(*typed, system_);
            break;
        case Kind::Percent:
            *target = basPsychroFun::units::PercentToFraction(*typed);
            break;
        case Kind::Fraction:
        case Kind::Plain:
        case Kind::Airflow:
            *target = *typed;
            break;
        }
        return {};
    });
}

void ComponentDialog::addCheck(const QString& label, bool* target) {
    auto* box = new QCheckBox(label, this);
    box->setChecked(*target);
    QString plain = label;
    plain.remove(QLatin1Char('&'));
    box->setAccessibleName(plain);
    form_->addRow(box);
    readers_.push_back([box, target]() -> QString {
        *target = box->isChecked();
        return {};
    });
}

template <typename Enum>
void ComponentDialog::addEnum(const QString& label, const QStringList& items, Enum* target) {
    auto* combo = new QComboBox(this);
    combo->addItems(items);
    combo->setCurrentIndex(static_cast<int>(*target));
    QString plain = label;
    plain.remove(QLatin1Char('&'));
    if (plain.endsWith(QLatin1Char(':')))
        plain.chop(1);
    combo->setAccessibleName(plain);
    form_->addRow(label, combo);
    readers_.push_back([combo, target]() -> QString {
        *target = static_cast<Enum>(combo->currentIndex());
        return {};
    });
}

void ComponentDialog::build() {
    std::visit(
        [this](auto& k) {
            using K = std::decay_t<decltype(k)>;
            if constexpr (std::is_same_v<K, HeatRecovery>) {
                addEnum(tr("&Exchanger:"), {tr("Wheel"), tr("Plate")}, &k.exchanger);
                addNumber(tr("&Sensible effectiveness:"), Kind::Fraction, &k.sensibleEffectiveness);
                addNumber(tr("&Latent effectiveness:"), Kind::Fraction, &k.latentEffectiveness);
                hasExhaust_ = k.exhaustAirflow.has_value();
                exhaustValue_ =
                    k.exhaustAirflow ? AirflowIn(*k.exhaustAirflow, airflowUnit_).value : 0.0;
                addCheck(tr("&Given exhaust airflow (otherwise balanced)"), &hasExhaust_);
                addNumber(tr("E&xhaust airflow:"), Kind::Airflow, &exhaustValue_);
                readers_.push_back([this, &k]() -> QString {
                    if (hasExhaust_)
                        k.exhaustAirflow = processes::Airflow{exhaustValue_, airflowUnit_};
                    else
                        k.exhaustAirflow.reset();
                    return {};
                });
            } else if constexpr (std::is_same_v<K, MixingBox>) {
                addEnum(tr("&Economizer:"), {tr("None"), tr("Dry bulb"), tr("Enthalpy")},
                        &k.economizer);
                hasHighLimit_ = k.highLimitDryBulbF.has_value();
                highLimitF_ = k.highLimitDryBulbF.value_or(highLimitF_);
                addCheck(tr("&High limit"), &hasHighLimit_);
                addNumber(tr("High-limit &dry bulb:"), Kind::Temperature, &highLimitF_);
                addNumber(tr("&Maximum outdoor air share:"), Kind::Fraction, &k.maximumShare);
                readers_.push_back([this, &k]() -> QString {
                    if (hasHighLimit_)
                        k.highLimitDryBulbF = highLimitF_;
                    else
                        k.highLimitDryBulbF.reset();
                    return {};
                });
            } else if constexpr (std::is_same_v<K, HeatingCoil>) {
                addEnum(tr("&Role:"), {tr("Preheat"), tr("Reheat")}, &k.role);
                addEnum(tr("&Sized by:"),
                        {tr("Leaving dry bulb"), tr("Temperature rise"), tr("To the supply air")},
                        &k.by);
                addNumber(tr("&Leaving dry bulb:"), Kind::Temperature, &k.leavingDryBulbF);
                addNumber(tr("Temperature r&ise:"), Kind::Span, &k.riseF);
            } else if constexpr (std::is_same_v<K, CoolingCoil>) {
                addEnum(tr("&Sized by:"),
                        {tr("Leaving dry bulb and RH"), tr("Apparatus dew point and bypass"),
                         tr("To the supply's humidity"), tr("To the supply air")},
                        &k.by);
                addNumber(tr("&Leaving dry bulb:"), Kind::Temperature, &k.leavingDryBulbF);
                addNumber(tr("Leaving relative &humidity:"), Kind::Percent,
                          &k.leavingRelativeHumidity);
                addNumber(tr("&Apparatus dew point:"), Kind::Temperature, &k.apparatusDewPointF);
                addNumber(tr("&Bypass factor:"), Kind::Fraction, &k.bypassFactor);
            } else if constexpr (std::is_same_v<K, SupplyFan>) {
                addEnum(tr("&Heat by:"), {tr("Power"), tr("Temperature rise")}, &k.by);
                addNumber(tr("&Shaft power:"), Kind::Plain, &k.power);
                addEnum(tr("&Power unit:"), {tr("kW"), tr("hp")}, &k.powerUnit);
                addNumber(tr("&Motor efficiency:"), Kind::Fraction, &k.motorEfficiency);
                addCheck(tr("Motor in the &airstream"), &k.motorInAirstream);
                addNumber(tr("&Rise:"), Kind::Span, &k.riseF);
            } else {
                addEnum(tr("&Kind:"), {tr("Steam"), tr("Adiabatic")}, &k.kind);
                addEnum(tr("&Sized by:"),
                        {tr("Leaving dew point"), tr("Leaving relative humidity"),
                         tr("To the supply's humidity")},
                        &k.by);
                addNumber(tr("Leaving &dew point:"), Kind::Temperature, &k.leavingDewPointF);
                addNumber(tr("Leaving relative &humidity:"), Kind::Percent,
                          &k.leavingRelativeHumidity);
                addNumber(tr("S&team temperature:"), Kind::Temperature, &k.steamTemperatureF);
            }
        },
        value_);
}

std::optional<Component> ComponentDialog::edited(QString& why) {
    for (const auto& read : readers_) {
        if (QString problem = read(); !problem.isEmpty()) {
            why = problem;
            return std::nullopt;
        }
    }
    return value_;
}

QString ComponentDialog::messageText() const {
    return message_->text();
}

QLineEdit* ComponentDialog::field(const QString& accessibleName) const {
    for (QLineEdit* edit : numbers_) {
        if (edit->accessibleName() == accessibleName)
            return edit;
    }
    return nullptr;
}

void ComponentDialog::accept() {
    QString why;
    const auto component = edited(why);
    if (component && apply_)
        why = apply_(*component);
    if (!why.isEmpty()) {
        SetStatusText(message_, why);
        return;
    }
    QDialog::accept();
}

} // namespace chart
