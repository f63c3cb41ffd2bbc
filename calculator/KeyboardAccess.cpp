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

#include "core/FieldTable.h"
#include "calculator/frmMain.h"

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
    explicit FieldKeys(frmMain& form) : QObject(&form), form_(form) {}

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
                form_.txtData[kFieldRows[next]]->setFocus(
                    key.key() == Qt::Key_Down ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier)) {
            const bool more = key.key() == Qt::Key_Plus || key.key() == Qt::Key_Equal;
            const bool less = key.key() == Qt::Key_Minus;
            if (more || less) {
                // As if the field had been left for the digit button.
                form_.txtData_Validate(kFieldRows[row]);
                (more ? form_.cmdMore : form_.cmdLess)->click();
                return true;
            }
        }
        return false;
    }

private:
    int rowOf(const QObject* field) const {
        for (int row = 0; row < kFieldCount; ++row) {
            if (form_.txtData[kFieldRows[row]] == field)
                return row;
        }
        return -1;
    }

    frmMain& form_;
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
    auto* fieldKeys = new FieldKeys(*this);
    for (QLineEdit* field : txtData)
        field->installEventFilter(fieldKeys);
    lnkWebPage->installEventFilter(
        new LinkKeys(lnkWebPage, [this](bool next) { focusNextPrevChild(next); }));
}
