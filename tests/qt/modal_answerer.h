#pragma once
// Answers the real window's modal dialogs as a player would: it watches for the dialog on top and presses
// the button it was told to. For tests and benchmarks that run the real event loop.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace wm::testing {

class ModalAnswerer : public QObject {
  public:
    ModalAnswerer() {
        poll_.setInterval(20);
        connect(&poll_, &QTimer::timeout, this, [this] { answer(); });
        poll_.start();
    }

    /// Message boxes are answered Yes (or OK); the other dialogs as below.
    bool cancelFileDialogs = true;
    /// Titles of every box or dialog answered, in order.
    QStringList seen;

  private:
    void answer() {
        QWidget* top = QApplication::activeModalWidget();
        if (!top) return;
        seen << top->windowTitle() + ": " + top->metaObject()->className();
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->button(QMessageBox::Ok))->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(top)) {
            files->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(top)) {
            // The game's own dialogs close with their OK button, which keeps the choices shown.
            for (auto* button : dialog->findChildren<QPushButton*>()) {
                if (button->text().remove('&') == "OK") {
                    button->click();
                    return;
                }
            }
            dialog->accept();
        }
    }

    QTimer poll_;
};

} // namespace wm::testing
