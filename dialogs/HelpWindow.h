#pragma once

// The help viewer: shows the help file (HTML) with a finder beside it. Every
// second-level heading of the file that carries an anchor (<h2><a name=...>)
// is a topic; the finder lists the topics whose title or text contains the
// words typed, and choosing one shows it with the first match selected.

#include <optional>
#include <vector>

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

namespace ContextIDs {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // A top-level window; with an owner it is a window of the owner (transient
    // for it, raised above it when shown) and is destroyed with it. Closing it
    // only hides it, so the next help call shows it again.
    explicit HelpWindow(QWidget* owner);

    // Reads the help file anew; on failure returns the failure's description
    // and leaves the window as it was.
    std::optional<QString> load(const QString& path);

    void showContents();
    void showFinder();

    // Titles of the topics listed for term (all topics for an empty term).
    QStringList findTopics(const QString& term) const;

private:
    // The names and descriptions a screen reader speaks (Accessibility.cpp).
    void applyAccessibleTexts();

    struct Topic {
        QString anchor;
        QString title;
        QString text; // heading and body, for the finder
        int position = 0;
    };

    static bool Matches(const Topic& topic, const QStringList& words);
    void collectTopics();
    void refreshTopicList();
    void showTopic(const QListWidgetItem* item);
    void followLink(const QUrl& url);
    void present();

    QTextBrowser* browser_;
    QLineEdit* findField_;
    QListWidget* topicList_;
    std::vector<Topic> topics_;
};

} // namespace ContextIDs
