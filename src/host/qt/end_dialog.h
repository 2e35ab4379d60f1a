#pragma once
// "TAVO end of session": the rating, the score and the percentage of the target, under the title picture.

#include <QDialog>

class QLabel;

namespace wm {

class EndDialog : public QDialog {
    Q_OBJECT
  public:
    EndDialog(QWidget* parent, const QString& simulationName, const QString& rating,
              const QString& pointScore, const QString& perCent);

    QLabel* SimName = nullptr;
    QLabel* Rating = nullptr;
    QLabel* PointScore = nullptr;
    QLabel* PerCent = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString simulationName_;
};

} // namespace wm
