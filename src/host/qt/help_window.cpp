#include "host/qt/help_window.h"

#include <QHelpEngineCore>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace wm {

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == "qthelp") return engine_->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(const QString& helpFile) {
    setWindowTitle("Wendmoor, Summer 1958 - Help");
    resize(720, 560);
    // The help engine wants a collection file; a private one in a temporary folder keeps nothing behind.
    collectionDir_ = std::make_unique<QTemporaryDir>();
    engine_ = std::make_unique<QHelpEngineCore>(collectionDir_->filePath("wm58.qhc"));
    engine_->setReadOnly(false);
    if (engine_->setupData()) {
        namespace_ = QHelpEngineCore::namespaceName(helpFile);
        ready_ = !namespace_.isEmpty() && engine_->registerDocumentation(helpFile);
    }
    browser_ = new HelpBrowser(this, engine_.get());
    auto* layout = new QVBoxLayout(this);
    auto* contents = new QPushButton("Contents", this);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    layout->addWidget(contents, 0, Qt::AlignLeft);
    layout->addWidget(browser_);
    loadContexts();
}

HelpWindow::~HelpWindow() = default;

QUrl HelpWindow::topicUrl(const QString& topic) const {
    return QUrl("qthelp://" + namespace_ + "/doc/" + topic);
}

void HelpWindow::loadContexts() {
    if (!ready_) return;
    const QString text = QString::fromUtf8(engine_->fileData(topicUrl("contexts.txt")));
    for (QString line : text.split('\n')) {
        line = line.section('#', 0, 0).trimmed();
        if (line.isEmpty()) continue;
        const QStringList fields = line.split(QRegularExpression("\\s+"));
        bool ok = false;
        const int context = fields.value(0).toInt(&ok);
        if (ok && fields.size() >= 2) contexts_[context] = "topics/" + fields[1];
    }
}

void HelpWindow::showContents() {
    if (ready_) browser_->setSource(topicUrl("topics/topics.html"));
    show();
    raise();
}

void HelpWindow::showContext(int context) {
    if (!ready_) {
        browser_->setPlainText("The help book WM58.qch could not be opened.");
        show();
        return;
    }
    const QString topic = contexts_.value(context);
    if (topic.isEmpty()) return showContents();
    browser_->setSource(topicUrl(topic));
    show();
    raise();
}

} // namespace wm
