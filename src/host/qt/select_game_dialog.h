#pragma once
// "TAVO select game": difficulty and day for a new game. It closes only through its OK button.

#include <QButtonGroup>
#include <QDialog>

#include "host/host.h"

class QLabel;

namespace wm {

class SelectGameDialog : public QDialog {
    Q_OBJECT
  public:
    SelectGameDialog(QWidget* parent, const QString& simulationName);
    GameChoice choice() const;

    QButtonGroup* DiffLevel = nullptr;
    QButtonGroup* SelectDay = nullptr;
    QLabel* SimName = nullptr;

  public slots:
    void reject() override {} // Esc and the close box do nothing

  protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace wm
