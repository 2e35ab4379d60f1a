#pragma once
// The program's help window: topics from the compiled help book, opened by context number.

#include <QMap>
#include <QTextBrowser>
#include <QWidget>
#include <memory>

class QHelpEngineCore;
class QTemporaryDir;

namespace wm {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(QWidget* parent, QHelpEngineCore* engine) : QTextBrowser(parent), engine_(engine) {}
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QHelpEngineCore* engine_;
};

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(const QString& helpFile);
    ~HelpWindow() override;

    /// Shows the topic of a context number; an unknown context shows the contents.
    void showContext(int context);
    void showContents();
    /// The topic file a context opens, empty when none.
    QString topicFor(int context) const { return contexts_.value(context); }
    bool ready() const { return ready_; }
    QTextBrowser* browser() const { return browser_; }

  private:
    QUrl topicUrl(const QString& topic) const;
    void loadContexts();

    std::unique_ptr<QTemporaryDir> collectionDir_;
    std::unique_ptr<QHelpEngineCore> engine_;
    HelpBrowser* browser_ = nullptr;
    QMap<int, QString> contexts_;
    QString namespace_;
    bool ready_ = false;
};

} // namespace wm
