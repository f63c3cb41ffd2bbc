// The window shell's construction: the menu bar, the tray icon, the rule
// under the menu bar, and the one place where they are connected. The menus'
// captions are set apart in captionMenus, so that a change of language sets
// them again.

#include "calculator/frmMain.h"
#include "dialogs/Emblem.h"
#include "translations/Languages.h"

#include <functional>
#include <utility>

#include <QAction>
#include <QActionGroup>
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

QAction* addItem(QMenu* menu, const QKeySequence& shortcut = {}) {
    QAction* item = menu->addAction(QString());
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
    file.mnuFile = bar->addMenu(QString());
    file.mnuFileHide = addItem(file.mnuFile);
    file.mnuFileOnTop = addItem(file.mnuFile);
    file.mnuFileOnTop->setCheckable(true);
    file.mnuFileBar0 = file.mnuFile->addSeparator();
    file.mnuFileDisclaimer = addItem(file.mnuFile);
    file.mnuFileBar1 = file.mnuFile->addSeparator();
    file.mnuFileExit = addItem(file.mnuFile);

    // Window shortcuts: they act in this window only, whatever has the focus
    // in it (the fields let them through, see isEditMenuShortcut).
    EditMenu& edit = menuEdit;
    edit.mnuEdit = bar->addMenu(QString());
    edit.mnuEditCut = addItem(edit.mnuEdit, QKeySequence(Qt::CTRL | Qt::Key_X));
    edit.mnuEditCopy = addItem(edit.mnuEdit, QKeySequence(Qt::CTRL | Qt::Key_C));
    edit.mnuEditPaste = addItem(edit.mnuEdit, QKeySequence(Qt::CTRL | Qt::Key_V));

    menuView.mnuView = bar->addMenu(QString());
    menuView.mnuViewChart = addItem(menuView.mnuView, QKeySequence(Qt::Key_F2));
    // The languages by their own names, the system's choice first; one is
    // ticked at a time.
    menuView.mnuViewLanguage = menuView.mnuView->addMenu(QString());
    auto* languages = new QActionGroup(this);
    languages->setExclusive(true);
    menuView.mnuViewLanguageSystem = addItem(menuView.mnuViewLanguage);
    menuView.mnuViewLanguageSystem->setCheckable(true);
    languages->addAction(menuView.mnuViewLanguageSystem);
    menuView.mnuViewLanguage->addSeparator();
    for (std::size_t i = 0; i < translations::kLanguages.size(); ++i) {
        const translations::Language& language = translations::kLanguages[i];
        QAction* item = menuView.mnuViewLanguage->addAction(language.nativeName.toString());
        item->setCheckable(true);
        item->setData(language.code.toString());
        languages->addAction(item);
        menuView.mnuViewLanguageItem[i] = item;
    }

    HelpMenu& help = menuHelp;
    help.mnuHelp = bar->addMenu(QString());
    help.mnuHelpContents = addItem(help.mnuHelp, QKeySequence(Qt::Key_F1));
    help.mnuHelpSearchForHelpOn = addItem(help.mnuHelp);
    help.mnuHelpBar0 = help.mnuHelp->addSeparator();
    help.mnuHelpAbout = addItem(help.mnuHelp);

    // The tray's menu lives in the menu bar like the others; the load hides
    // its entry there.
    TrayMenu& tray = menuTray;
    tray.mnuTrayPopup = bar->addMenu(QString());
    tray.mnuTrayPopupItem[0] = addItem(tray.mnuTrayPopup);
    tray.mnuTrayPopupItem[1] = addItem(tray.mnuTrayPopup);
    tray.mnuTrayPopupItem[2] = tray.mnuTrayPopup->addSeparator();
    tray.mnuTrayPopupItem[3] = addItem(tray.mnuTrayPopup);
    tray.mnuTrayPopup->setDefaultAction(tray.mnuTrayPopupItem[0]); // drawn in bold

    Tray1 = new QSystemTrayIcon(dialogs::EmblemIcon(), this);
    Tray1->setToolTip(QStringLiteral("Vaporwright"));
}

void frmMain::captionMenus() {
    const FileMenu& file = menuFile;
    file.mnuFile->setTitle(tr("&File"));
    file.mnuFileHide->setText(tr("&Hide"));
    file.mnuFileOnTop->setText(tr("&Keep Calculator on Top"));
    file.mnuFileDisclaimer->setText(tr("&View Disclaimer"));
    file.mnuFileExit->setText(tr("E&xit"));

    const EditMenu& edit = menuEdit;
    edit.mnuEdit->setTitle(tr("&Edit"));
    edit.mnuEditCut->setText(tr("Cu&t"));
    edit.mnuEditCopy->setText(tr("&Copy"));
    edit.mnuEditPaste->setText(tr("&Paste"));

    menuView.mnuView->setTitle(tr("&View"));
    menuView.mnuViewChart->setText(tr("Psychrometric &Chart"));
    menuView.mnuViewLanguage->setTitle(tr("&Language"));
    menuView.mnuViewLanguageSystem->setText(tr("System Default"));

    const HelpMenu& help = menuHelp;
    help.mnuHelp->setTitle(tr("&Help"));
    help.mnuHelpContents->setText(tr("&Help"));
    help.mnuHelpSearchForHelpOn->setText(tr("&Search For Help On..."));
    help.mnuHelpAbout->setText(tr("&About"));

    const TrayMenu& tray = menuTray;
    tray.mnuTrayPopup->setTitle(QStringLiteral("&TrayPopup")); // never shown
    tray.mnuTrayPopupItem[0]->setText(tr("&Open Vaporwright"));
    tray.mnuTrayPopupItem[1]->setText(tr("&About"));
    tray.mnuTrayPopupItem[3]->setText(tr("&Exit"));
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
    connect(menuView.mnuViewLanguageSystem, &QAction::triggered, this,
            [this] { mnuViewLanguage_Click(QString()); });
    for (QAction* item : menuView.mnuViewLanguageItem)
        connect(item, &QAction::triggered, this,
                [this, item] { mnuViewLanguage_Click(item->data().toString()); });

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
