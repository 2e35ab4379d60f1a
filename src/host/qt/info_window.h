#pragma once
// "TWM58info": the information window, a second console canvas in a dialog of its own with one "&Close"
// button. The game draws into its image and runs the modal wait; the dialog only forwards presses and
// the close.

#include <QDialog>
#include <QImage>
#include <functional>

class QPushButton;

namespace wm {

class InfoCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit InfoCanvas(QWidget* parent);
    QImage image;
    std::function<void(int, int)> pressed;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

class InfoWindow : public QDialog {
    Q_OBJECT
  public:
    explicit InfoWindow(QWidget* parent);

    /// Sizes, places and captions it for one use and clears its canvas; the player cannot resize it.
    void reveal(const QString& caption, int clientWidth, int clientHeight, int left, int top,
                int helpContext);

    InfoCanvas* canvas() const { return canvas_; }
    QPushButton* closeButton() const { return close_; }
    int helpContext() const { return helpContext_; }

    std::function<void()> closeRequested;
    std::function<void(int)> helpRequested;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    InfoCanvas* canvas_ = nullptr;
    QPushButton* close_ = nullptr;
    int helpContext_ = 0;
};

} // namespace wm
