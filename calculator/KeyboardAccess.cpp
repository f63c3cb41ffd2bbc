// The calculator window without a mouse. Tab follows the fixed order of the
// entries and buttons; these keys reach the rest:
//
// - Up and Down move from field to field in the order they stand, results
//   included (they are no Tab stops). Leaving a field this way is leaving it
//   as Tab does: its entry is taken over and the state computed.
// - Ctrl+Plus and Ctrl+Minus act on the focused field as More and Less
//   digits do on the field left for them; the digit buttons themselves stand
//   where no field leads to them in the Tab order.
// - Space opens the website link (Enter moves on as Tab does), and the link
//   is one stop of the Tab chain in both directions.

#include "calculator/frmMain.h"
#include "core/FieldTable.h"

#include <array>
#include <functional>
#include <utility>

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

using namespace calculator;

// The fields from top to bottom as the window shows them.
constexpr std::array<int, kFieldCount> kFieldRows{kAtmosphericPressure,
                                                  kAltitude,
                                                  kDryBulb,
                                                  kWetBulb,
                                                  kRelativeHumidity,
                                                  kHumidityRatio,
                                                  kEnthalpy,
                                                  kDewPoint,
                                                  kVaporPressure,
                                                  kDegreeOfSaturation,
                                                  kSpecificVolume,
                                                  kDensity,
                                                  kAbsoluteHumidity,
                                                  kMoistureConcentration};

Qt::KeyboardModifiers modifiersOf(const QKeyEvent& key) {
    return key.modifiers() & ~Qt::KeypadModifier;
}

class FieldKeys : public QObject {
public:
    // The window's fields by index; `digits` acts on field i as if it had
    // been left for the More (true) or Less (false) digit button.
    FieldKeys(QObject* parent, const std::array<QLineEdit*, kFieldCount>& fields,
              std::function<void(int field, bool more)> digits)
        : QObject(parent), fields_(fields), digits_(std::move(digits)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int row = rowOf(watched);
        if (row < 0)
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = modifiersOf(key);
        if (modifiers == Qt::NoModifier && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down)) {
            const int next = row + (key.key() == Qt::Key_Down ? 1 : -1);
            if (next >= 0 && next < kFieldCount)
                fields_[static_cast<std::size_t>(kFieldRows[next])]->setFocus(
                    key.key() == Qt::Key_Down ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier)) {
            const bool more = key.key() == Qt::Key_Plus || key.key() == Qt::Key_Equal;
            const bool less = key.key() == Qt::Key_Minus;
            if (more || less) {
                digits_(kFieldRows[row], more);
                return true;
            }
        }
        return false;
    }

private:
    int rowOf(const QObject* field) const {
        for (int row = 0; row < kFieldCount; ++row) {
            if (fields_[static_cast<std::size_t>(kFieldRows[row])] == field)
                return row;
        }
        return -1;
    }

    std::array<QLineEdit*, kFieldCount> fields_;
    std::function<void(int, bool)> digits_;
};

// A rich-text label otherwise steps through its links on Tab and Shift+Tab:
// the link took two presses, and with a single link Shift+Tab never left it.
class LinkKeys : public QObject {
public:
    LinkKeys(QLabel* link, std::function<void(bool)> moveFocus)
        : QObject(link), link_(link), moveFocus_(std::move(moveFocus)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != link_ || event->type() != QEvent::KeyPress)
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = modifiersOf(key);
        if (key.key() == Qt::Key_Backtab ||
            (key.key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier)) {
            moveFocus_(false);
            return true;
        }
        if (key.key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
            moveFocus_(true);
            return true;
        }
        if (key.key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
            const QRegularExpressionMatch href =
                QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(link_->text());
            if (href.hasMatch())
                emit link_->linkActivated(href.captured(1));
            return true;
        }
        return false;
    }

private:
    QLabel* link_;
    std::function<void(bool)> moveFocus_;
};

} // namespace

void frmMain::applyKeyboardAccess() {
    // Installed after the window's own filter, so seen before it.
    auto* fieldKeys = new FieldKeys(this, txtData, [this](int field, bool more) {
        // As if the field had been left for the digit button.
        txtData_Validate(field);
        (more ? cmdMore : cmdLess)->click();
    });
    for (QLineEdit* field : txtData)
        field->installEventFilter(fieldKeys);
    lnkWebPage->installEventFilter(
        new LinkKeys(lnkWebPage, [this](bool next) { focusNextPrevChild(next); }));
}
