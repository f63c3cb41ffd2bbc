#pragma once

// PointTableModel: the project's state points as a table, one row per point,
// each property shown the way the calculator shows its field (the unit chosen
// in the field's list, its number format). The name, the six inputs and the
// airflow are edited in place; every edit goes through the project, so it is
// checked there and is one step on its undo stack. An edit the project
// refuses, or a typed text that holds no number, stores nothing and is
// reported through message().

#include "project/Project.h"
#include "workbench/CalculatorView.h"

#include <optional>

#include <QAbstractTableModel>
#include <QPointer>
#include <QString>

namespace chart {

class PointTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column : int {
        kName,
        kDefinedBy,
        // The calculator's properties, in field order (fieldOfColumn()).
        kDryBulbColumn,
        kWetBulbColumn,
        kRelativeHumidityColumn,
        kHumidityRatioColumn,
        kEnthalpyColumn,
        kDewPointColumn,
        kVaporPressureColumn,
        kDegreeOfSaturationColumn,
        kSpecificVolumeColumn,
        kDensityColumn,
        kAbsoluteHumidityColumn,
        kMoistureConcentrationColumn,
        kAirflow,
        kAirflowUnit,
        kDryAir,
        kZones,
        kPmv,
        kPpd,
        kStatus,
        kColumnCount
    };

    explicit PointTableModel(project::Project* project, QObject* parent = nullptr);

    void setView(const CalculatorView& view);
    // Every header and cell said again in the language now spoken.
    void retranslate();
    [[nodiscard]] const CalculatorView& view() const noexcept { return view_; }
    [[nodiscard]] project::Project* project() const noexcept { return project_; }

    // The calculator field a property column shows (calculator::kDryBulb ...);
    // -1 for the other columns.
    [[nodiscard]] static int fieldOfColumn(int column) noexcept;
    [[nodiscard]] static int columnOfField(int field) noexcept;
    // The project input an input column edits (dry bulb to dew point).
    [[nodiscard]] static std::optional<project::Input> inputOfColumn(int column) noexcept;

    // The airflow units in the order the unit cell offers them, and their texts.
    [[nodiscard]] static QStringList airflowUnitTexts();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // Why the last edit stored nothing, or what followed from it; empty after
    // an edit that went through without remark.
    void message(const QString& text);

private:
    [[nodiscard]] QString displayText(int row, int column) const;
    [[nodiscard]] QString editText(int row, int column) const;
    [[nodiscard]] QString accessibleText(int row, int column) const;
    [[nodiscard]] QString toolTip(int row, int column) const;
    [[nodiscard]] bool isDefining(int row, int column) const;
    [[nodiscard]] QString columnTitle(int column) const;
    [[nodiscard]] QString columnUnit(int column) const;

    QString editInput(int row, project::Input input, const QString& text);
    QString editAirflow(int row, const QString& text);
    QString editAirflowUnit(int row, const QString& text);

    void pointsReset();
    void pointChanged(int row);
    void headersChanged();

    QPointer<project::Project> project_;
    CalculatorView view_;
};

} // namespace chart
