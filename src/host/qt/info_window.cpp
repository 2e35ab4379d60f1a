#include "host/qt/info_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace wm {

InfoCanvas::InfoCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void InfoCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, image);
}

void InfoCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed)
        pressed(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
}

InfoWindow::InfoWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TWM58info");
    // Modal for the main window: the game's own wait runs while it is up.
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet("QDialog { background: black; }");
    canvas_ = new InfoCanvas(this);
    close_ = new QPushButton("&Close", this);
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, [this] {
        if (closeRequested) closeRequested();
    });
}

void InfoWindow::reveal(const QString& caption, int clientWidth, int clientHeight, int left, int top,
                        int helpContext) {
    helpContext_ = helpContext;
    setWindowTitle(caption);
    // Only the window itself sets its size; the player cannot change it.
    setFixedSize(clientWidth, clientHeight);
    canvas_->setGeometry(0, 0, clientWidth, clientHeight);
    QImage image(clientWidth, clientHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    canvas_->image = image;
    close_->adjustSize();
    const int buttonWidth = std::max(close_->width(), 75);
    const int buttonHeight = close_->height();
    close_->setGeometry(clientWidth - buttonWidth - 10, clientHeight - buttonHeight - 10, buttonWidth,
                        buttonHeight);
    close_->raise();
    move(left, top);
    show();
    raise();
    activateWindow();
    canvas_->update();
}

void InfoWindow::closeEvent(QCloseEvent* event) {
    // The game hides it once it has done what closing means (the couplings are applied first).
    event->ignore();
    if (closeRequested) closeRequested();
}

void InfoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (helpRequested) helpRequested(helpContext_);
        return;
    }
    QDialog::keyPressEvent(event);
}

void InfoWindow::reject() {
    if (closeRequested) closeRequested();
}

} // namespace wm
