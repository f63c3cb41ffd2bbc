// The window shell's construction: the menu bar, the tray icon, the rule
// under the menu bar, and the one place where they are connected.

#include "calculator/frmMain.h"
#include "dialogs/Emblem.h"

#include <functional>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSessionManager>
#include <QVBoxLayout>

namespace {

// The sunken rule between the menu bar and the window's contents, drawn by
// the window's Form_Paint across the full width on every repaint.
class EtchedRule : public QWidget {
public:
    using Paint = std::function<void(QPainter& painter, int width)>;
    EtchedRule(Paint paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {
        setFixedHeight(2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        paint_(painter, width());
    }

private:
    Paint paint_;
};

QAction* addItem(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setShortcut(shortcut);
    return item;
}

} // namespace

void frmMain::buildShell() {
    setWindowIcon(dialogs::EmblemIcon());

    // The rule stands above the contents' margins so that it spans the
    // whole width of the window.
    QWidget* contents = takeCentralWidget();
    auto* frame = new QWidget(this);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(new EtchedRule(
        [this](QPainter& painter, int width) { Form_Paint(painter, width); }, frame));
    column->addWidget(contents);
    setCentralWidget(frame);

    QMenuBar* bar = menuBar();
    FileMenu& file = menuFile;
    file.mnuFile = bar->addMenu(QStringLiteral("&File"));
    file.mnuFileHide = addItem(file.mnuFile, "&Hide");
    file.mnuFileOnTop = addItem(file.mnuFile, "&Keep Calculator on Top");
    file.mnuFileOnTop->setCheckable(true);
    file.mnuFileBar0 = file.mnuFile->addSeparator();
    file.mnuFileDisclaimer = addItem(file.mnuFile, "&View Disclaimer");
    file.mnuFileBar1 = file.mnuFile->addSeparator();
    file.mnuFileExit = addItem(file.mnuFile, "E&xit");

    // Window shortcuts: they act in this window only, whatever has the focus
    // in it (the fields let them through, see isEditMenuShortcut).
    EditMenu& edit = menuEdit;
    edit.mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    edit.mnuEditCut = addItem(edit.mnuEdit, "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X));
    edit.mnuEditCopy = addItem(edit.mnuEdit, "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
    edit.mnuEditPaste = addItem(edit.mnuEdit, "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V));

    menuView.mnuView = bar->addMenu(QStringLiteral("&View"));
    menuView.mnuViewChart =
        addItem(menuView.mnuView, "Psychrometric &Chart", QKeySequence(Qt::Key_F2));

    HelpMenu& help = menuHelp;
    help.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    help.mnuHelpContents = addItem(help.mnuHelp, "&Help", QKeySequence(Qt::Key_F1));
    help.mnuHelpSearchForHelpOn = addItem(help.mnuHelp, "&Search For Help On...");
    help.mnuHelpBar0 = help.mnuHelp->addSeparator();
    help.mnuHelpAbout = addItem(help.mnuHelp, "&About");

    // The tray's menu lives in the menu bar like the others; the load hides
    // its entry there.
    TrayMenu& tray = menuTray;
    tray.mnuTrayPopup = bar->addMenu(QStringLiteral("&TrayPopup"));
    tray.mnuTrayPopupItem[0] = addItem(tray.mnuTrayPopup, "&Open Vaporwright");
    tray.mnuTrayPopupItem[1] = addItem(tray.mnuTrayPopup, "&About");
    tray.mnuTrayPopupItem[2] = tray.mnuTrayPopup->addSeparator();
    tray.mnuTrayPopupItem[3] = addItem(tray.mnuTrayPopup, "&Exit");
    tray.mnuTrayPopup->setDefaultAction(tray.mnuTrayPopupItem[0]); // drawn in bold

    Tray1 = new QSystemTrayIcon(dialogs::EmblemIcon(), this);
    Tray1->setToolTip(QStringLiteral("Vaporwright"));
}

void frmMain::connectShell() {
    const FileMenu& file = menuFile;
    connect(file.mnuFileHide, &QAction::triggered, this, &frmMain::mnuFileHide_Click);
    // A checkable item has toggled its own check mark by the time it reports
    // the click; the handler toggles it, so Qt's toggle is taken back first.
    connect(file.mnuFileOnTop, &QAction::triggered, this, [this](bool checked) {
        menuFile.mnuFileOnTop->setChecked(!checked);
        mnuFileOnTop_Click();
    });
    connect(file.mnuFileDisclaimer, &QAction::triggered, this, &frmMain::mnuFileDisclaimer_Click);
    connect(file.mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    connect(menuEdit.mnuEditCut, &QAction::triggered, this, &frmMain::mnuEditCut_Click);
    connect(menuEdit.mnuEditCopy, &QAction::triggered, this, &frmMain::mnuEditCopy_Click);
    connect(menuEdit.mnuEditPaste, &QAction::triggered, this, &frmMain::mnuEditPaste_Click);

    connect(menuView.mnuViewChart, &QAction::triggered, this, &frmMain::showChartWindow);

    connect(menuHelp.mnuHelpContents, &QAction::triggered, this, &frmMain::mnuHelpContents_Click);
    connect(menuHelp.mnuHelpSearchForHelpOn, &QAction::triggered, this,
            &frmMain::mnuHelpSearchForHelpOn_Click);
    connect(menuHelp.mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);

    for (int i = 0; i < 4; ++i)
        connect(menuTray.mnuTrayPopupItem[i], &QAction::triggered, this,
                [this, i] { mnuTrayPopupItem_Click(i); });
    connect(Tray1, &QSystemTrayIcon::activated, this, &frmMain::Tray1_Activated);

    // The end of the desktop session unloads the window like Exit. Any other
    // normal end of the run unloads it on the way out; Form_Unload runs once.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& /*manager*/) { endOfSession(); });
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &frmMain::Form_Unload);
}

bool frmMain::isEditMenuShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* item : {menuEdit.mnuEditCut, menuEdit.mnuEditCopy, menuEdit.mnuEditPaste}) {
        if (item->shortcut() == pressed)
            return true;
    }
    return false;
}
