#pragma once
// "TAVO Game Options": the six check boxes and the font size.

#include <QDialog>

#include "host/host.h"

class QCheckBox;
class QLabel;
class QSlider;

namespace wm {

class OptionsDialog : public QDialog {
    Q_OBJECT
  public:
    OptionsDialog(QWidget* parent, const OptionValues& values);
    OptionValues values() const;

    QCheckBox* ClockBox = nullptr;
    QCheckBox* LogBox = nullptr;
    QCheckBox* SoundBox = nullptr;
    QCheckBox* WaitBox = nullptr;
    QCheckBox* AutoSaveBox = nullptr;
    QCheckBox* HideLocoBox = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label9 = nullptr;

  signals:
    void helpRequested(int context);
};

} // namespace wm
