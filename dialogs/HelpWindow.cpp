#include "dialogs/HelpWindow.h"

#include "dialogs/Emblem.h"

#include <algorithm>

#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>

namespace ContextIDs {

namespace {

constexpr int kTopicRole = Qt::UserRole;

// The first anchor name carried by any fragment of block.
QString AnchorOf(const QTextBlock& block) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty()) {
            return names.first();
        }
    }
    return {};
}

QStringList Words(const QString& term) {
    return term.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    // A dialog-type window: on X11 Qt tells the window manager a window's
    // owner (WM_TRANSIENT_FOR) only for such windows.
    : QWidget(owner, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      browser_(new QTextBrowser(this)), findField_(new QLineEdit(this)),
      topicList_(new QListWidget(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vaporwright Help"));
    setWindowIcon(dialogs::EmblemIcon());
    browser_->setObjectName(QStringLiteral("helpText"));
    findField_->setObjectName(QStringLiteral("findField"));
    topicList_->setObjectName(QStringLiteral("topicList"));
    findField_->setPlaceholderText(tr("Words to find"));
    findField_->setClearButtonEnabled(true);
    // Links are followed here: topics within the file scroll, web links open
    // in the user's browser.
    browser_->setOpenLinks(false);

    auto* finder = new QWidget(this);
    auto* finderLayout = new QVBoxLayout(finder);
    finderLayout->setContentsMargins(0, 0, 0, 0);
    auto* findLabel = new QLabel(tr("&Find:"), finder);
    findLabel->setBuddy(findField_);
    finderLayout->addWidget(findLabel);
    finderLayout->addWidget(findField_);
    finderLayout->addWidget(topicList_, 1);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(finder);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 520});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(760, 560);

    connect(findField_, &QLineEdit::textChanged, this, &HelpWindow::refreshTopicList);
    connect(topicList_, &QListWidget::itemActivated, this, &HelpWindow::showTopic);
    connect(topicList_, &QListWidget::itemClicked, this, &HelpWindow::showTopic);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);

    applyAccessibleTexts();
}

std::optional<QString> HelpWindow::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return tr("Cannot open the help file %1: %2").arg(path, file.errorString());
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return tr("Cannot read the help file %1: %2").arg(path, file.errorString());
    }
    browser_->setHtml(QString::fromUtf8(content));
    collectTopics();
    refreshTopicList();
    return std::nullopt;
}

void HelpWindow::collectTopics() {
    topics_.clear();
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2) {
            const QString anchor = AnchorOf(block);
            if (!anchor.isEmpty()) {
                topics_.push_back({anchor, block.text().trimmed(), block.text(), block.position()});
                continue;
            }
        }
        if (!topics_.empty()) {
            topics_.back().text += QLatin1Char('\n') + block.text();
        }
    }
}

bool HelpWindow::Matches(const Topic& topic, const QStringList& words) {
    return std::all_of(words.begin(), words.end(), [&topic](const QString& word) {
        return topic.text.contains(word, Qt::CaseInsensitive);
    });
}

QStringList HelpWindow::findTopics(const QString& term) const {
    const QStringList words = Words(term);
    QStringList titles;
    for (const Topic& topic : topics_) {
        if (Matches(topic, words)) {
            titles.append(topic.title);
        }
    }
    return titles;
}

void HelpWindow::refreshTopicList() {
    const QStringList words = Words(findField_->text());
    topicList_->clear();
    for (const Topic& topic : topics_) {
        if (Matches(topic, words)) {
            auto* item = new QListWidgetItem(topic.title, topicList_);
            item->setData(kTopicRole, topic.position);
        }
    }
}

void HelpWindow::showTopic(const QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const int position = item->data(kTopicRole).toInt();
    QTextDocument* document = browser_->document();
    QTextCursor cursor(document);
    cursor.setPosition(position);
    // Select the first match of the first word inside the topic, if any.
    const QStringList words = Words(findField_->text());
    if (!words.isEmpty()) {
        const QTextCursor match = document->find(words.first(), position);
        if (!match.isNull()) {
            cursor = match;
        }
    }
    browser_->setTextCursor(cursor);
    browser_->ensureCursorVisible();
}

void HelpWindow::followLink(const QUrl& url) {
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        browser_->scrollToAnchor(url.fragment());
    } else if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")) {
        QDesktopServices::openUrl(url);
    }
}

void HelpWindow::present() {
    // A window of the calculator (transient for it): the window manager keeps
    // it above its owner, also one kept on top. Set at every showing, so that
    // an owner shown only after the viewer was made is known too.
    if (const QWidget* owner = parentWidget()) {
        winId(); // creates the native window to tell it its owner
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    show();
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void HelpWindow::showContents() {
    present();
    browser_->moveCursor(QTextCursor::Start);
    browser_->scrollToAnchor(QStringLiteral("contents"));
}

void HelpWindow::showFinder() {
    present();
    findField_->setFocus();
    findField_->selectAll();
}

} // namespace ContextIDs
