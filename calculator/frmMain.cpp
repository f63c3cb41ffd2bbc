// Construction of the calculator window and the one place where its controls
// are connected to their handlers.

#include "calculator/frmMain.h"

#include "calculator/ListAccessibility.h"

#include <functional>
#include <utility>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

namespace {

// The window's key preview: sees every key press meant for a widget of the
// window before that widget does, so that Enter can act as Tab wherever the
// focus is. Installed on the application because key events go straight to
// the focus widget and reach the window only if nobody takes them.
class KeyPreview : public QObject {
public:
    // `handle` is the window's own key handling: true when it took the key.
    KeyPreview(QWidget& window, std::function<bool(const QKeyEvent&)> handle)
        : QObject(&window), form(window), handle_(std::move(handle)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != &form || !form.isActiveWindow())
            return false;
        return handle_(*static_cast<QKeyEvent*>(event));
    }

private:
    QWidget& form;
    std::function<bool(const QKeyEvent&)> handle_;
};

// Focus moves that are not the user going from one control to another: the
// window losing or regaining activation, a context menu or list popping up.
bool isWindowLevelFocusChange(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

frmMain::frmMain(QWidget* parent, ShellHooks shellHooks)
    : QMainWindow(parent), hooks(std::move(shellHooks)) {
    // Before the unit lists exist: a screen reader may ask for them at once.
    calculator::InstallListAccessibility();
    // The start-up gives the window its caption before it is shown.
    setWindowTitle(tr("Psychrometric Calculations:  ASHRAE Formulation"));
    buildLayout();
    buildShell();
    chainTabOrder();
    connectHandlers();
    connectShell();
    retranslate();
    applyKeyboardAccess();
}

frmMain::~frmMain() {
    // The controls are deleted after this object has stopped being a
    // frmMain: nothing they send on the way (a last focus-out, a list
    // emptied) may reach the handlers.
    for (QLineEdit* field : txtData)
        field->removeEventFilter(this);
    for (QObject* control : findChildren<QObject*>())
        control->disconnect(this);
}

void frmMain::connectHandlers() {
    qApp->installEventFilter(
        new KeyPreview(*this, [this](const QKeyEvent& key) { return Form_KeyPress(key); }));

    for (int i = 0; i < calculator::kFieldCount; ++i) {
        txtData[i]->installEventFilter(this);
        if (cboUnits[i] == nullptr)
            continue;
        connect(cboUnits[i], &QComboBox::currentIndexChanged, this,
                [this, i] { cboUnits_Click(i); });
        // What a screen reader says of the field names its unit: a cheap
        // rewrite of one description per change of selection.
        connect(cboUnits[i], &QComboBox::currentIndexChanged, this,
                [this, i] { describeField(i); });
    }
    // The check state, not the click: ticks set in code run the rule too.
    for (int i = 0; i < calculator::kInputCount; ++i)
        connect(chkPsyInput[i], &QCheckBox::stateChanged, this,
                [this, i] { chkPsyInput_Click(i); });
    for (int i = 0; i < 2; ++i) {
        connect(optPatm[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optPatm_Click(i);
        });
        connect(optUnits[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optUnits_Click(i);
        });
    }
    connect(cmdCompute, &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
    connect(cmdMore, &QPushButton::clicked, this, &frmMain::cmdMore_Click);
    connect(cmdLess, &QPushButton::clicked, this, &frmMain::cmdLess_Click);
    connect(lnkWebPage, &QLabel::linkActivated, this,
            [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const int i = fieldOf(watched);
    if (i < 0)
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
        if (!isWindowLevelFocusChange(event))
            txtData_GotFocus(i, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::FocusOut:
        if (!isWindowLevelFocusChange(event)) {
            // The application already names the widget that takes the focus.
            const QWidget* next = QApplication::focusWidget();
            if (fieldOf(next) >= 0 || next == cmdMore || next == cmdLess)
                txtData_Validate(i);
            txtData_LostFocus(i);
        }
        break;
    case QEvent::KeyPress:
        selectAllPending = -1; // the key acts on the selection as it stands
        // A refused character never reaches the field.
        return !txtData_KeyPress(i, *static_cast<QKeyEvent*>(event));
    case QEvent::ShortcutOverride:
        // The field would claim Ctrl+X, C and V for its own clipboard
        // commands; declined here, they reach the Edit menu's items.
        if (isEditMenuShortcut(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

int frmMain::fieldOf(const QObject* object) const {
    if (object == nullptr)
        return -1;
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        if (txtData[i] == object)
            return i;
    }
    return -1;
}

void frmMain::pressCompute() {
    cmdCompute->click();
}
