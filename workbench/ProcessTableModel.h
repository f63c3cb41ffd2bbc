#pragma once

// The tables of the processes panel: one row per process of the project with
// its name, the changes of dry bulb, humidity ratio and enthalpy, the loads
// and the water for the entering point's airflow, the coil's apparatus dew
// point and bypass factor, and why a value is missing; and one row per
// adiabatic mixture with the share of each stream.
//
// Temperatures and changes are shown in the units and formats of the
// calculator's fields (CalculatorView); the loads in the heat unit chosen.
// The models are read-only and follow the project's signals.

#include "workbench/CalculatorView.h"

#include <optional>

#include <QAbstractTableModel>
#include <QPointer>
#include <QString>

namespace project {
class Project;
}

namespace chart {

// The unit the loads are shown in. One ton of refrigeration is 12,000 Btu/h
// and one kilowatt 3412.14 Btu/h (engine/Units.h).
enum class HeatUnit { BtuPerHour, Tons, Kilowatts };

// "Btu/h", "tons", "kW".
QString HeatUnitText(HeatUnit unit);
// The heat unit a unit system starts with: Btu/h for IP, kW for SI.
HeatUnit DefaultHeatUnit(basPsychroFun::UnitSystem system) noexcept;
// The unit system the view shows (its state's "IP" or "SI"; IP otherwise).
basPsychroFun::UnitSystem SystemOf(const CalculatorView& view) noexcept;
// The view the panels start with before the calculator gives its own: the
// inch-pound units and the fields' default formats.
CalculatorView DefaultView();

class ProcessTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        FromColumn,
        ToColumn,
        ProcessColumn,
        DryBulbChangeColumn,
        HumidityRatioChangeColumn,
        EnthalpyChangeColumn,
        SensibleColumn,
        LatentColumn,
        TotalColumn,
        SensibleHeatRatioColumn,
        WaterColumn,
        ApparatusDewPointColumn,
        BypassFactorColumn,
        MessageColumn,
        ColumnCount
    };
    // Qt::UserRole of a number cell: the value as shown, in the column's unit
    // (a double); nothing where the cell is empty.
    static constexpr int ValueRole = Qt::UserRole;

    explicit ProcessTableModel(project::Project* project, QObject* parent = nullptr);

    void setView(const CalculatorView& view);
    [[nodiscard]] const CalculatorView& view() const noexcept { return view_; }
    // Every header and cell said again in the language now spoken.
    void retranslate();
    void setHeatUnit(HeatUnit unit);
    [[nodiscard]] HeatUnit heatUnit() const noexcept { return heatUnit_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // The unit of a column as its header names it; empty for the columns
    // without one.
    [[nodiscard]] QString unitOf(int column) const;

private:
    struct Cell {
        QString text;
        std::optional<double> value; // in the column's unit
    };
    [[nodiscard]] Cell cell(int row, int column) const;
    [[nodiscard]] QString pointName(int id) const;
    [[nodiscard]] QString heatText(double btuPerHour, std::optional<double>* value) const;
    void reset();

    QPointer<project::Project> project_;
    CalculatorView view_;
    HeatUnit heatUnit_ = HeatUnit::BtuPerHour;
};

// The mixtures: First, Second, Mixture (point names) and the ratio of the
// dry air of the two streams, e.g. "A 40 % : B 60 %".
class MixingTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { FirstColumn, SecondColumn, MixtureColumn, RatioColumn, ColumnCount };

    explicit MixingTableModel(project::Project* project, QObject* parent = nullptr);
    // Every header and cell said again in the language now spoken.
    void retranslate();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    [[nodiscard]] QString text(int row, int column) const;
    [[nodiscard]] QString pointName(int id) const;
    void reset();

    QPointer<project::Project> project_;
};

} // namespace chart
