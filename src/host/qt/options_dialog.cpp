#include "host/qt/options_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace wm {

namespace {
constexpr int OptionsHelpContext = 241;
}

OptionsDialog::OptionsDialog(QWidget* parent, const OptionValues& v) : QDialog(parent) {
    setWindowTitle("TAVO Game Options");
    setObjectName("TTAVOoptf");
    auto* layout = new QGridLayout(this);
    auto box = [&](const char* name, const char* text, bool checked, int row) {
        auto* b = new QCheckBox(text, this);
        b->setObjectName(name);
        b->setChecked(checked);
        layout->addWidget(b, row, 0);
        return b;
    };
    ClockBox = box("ClockBox", "&Clock running", v.clockRunning, 0);
    LogBox = box("LogBox", "Score &Logging", v.scoreLogging, 1);
    SoundBox = box("SoundBox", "&Sound", v.sound, 2);
    WaitBox = box("WaitBox", "&Wait on error", v.waitOnError, 3);
    AutoSaveBox = box("AutoSaveBox", "&AutoSave", v.autoSave, 4);
    AutoSaveBox->setEnabled(false);
    HideLocoBox = box("HideLocoBox", "&Hide loco data", v.hideLocoData, 5);

    auto* fontColumn = new QVBoxLayout;
    fontColumn->addWidget(new QLabel("Font Size", this), 0, Qt::AlignHCenter);
    fontColumn->addWidget(new QLabel("6", this), 0, Qt::AlignHCenter);
    TrackBar1 = new QSlider(Qt::Vertical, this);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(6, 26);
    // 6 at the top, as the labels say; the keys then follow the handle, so Down moves it down.
    TrackBar1->setInvertedAppearance(true);
    TrackBar1->setInvertedControls(true);
    TrackBar1->setTickPosition(QSlider::TicksBothSides);
    TrackBar1->setTickInterval(1);
    TrackBar1->setValue(v.fontSize);
    fontColumn->addWidget(TrackBar1, 1, Qt::AlignHCenter);
    fontColumn->addWidget(new QLabel("26", this), 0, Qt::AlignHCenter);
    Label9 = new QLabel(QString::number(v.fontSize), this);
    Label9->setObjectName("Label9");
    fontColumn->addWidget(Label9, 0, Qt::AlignHCenter);
    connect(TrackBar1, &QSlider::valueChanged, Label9,
            [this](int size) { Label9->setText(QString::number(size)); });
    layout->addLayout(fontColumn, 0, 1, 6, 1);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("Cancel");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("Help");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(OptionsHelpContext); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons, 6, 0, 1, 2);
    // Wide enough for the whole caption beside the title bar's own buttons.
    setMinimumWidth(QFontMetrics(font()).horizontalAdvance(windowTitle()) + 160);
}

OptionValues OptionsDialog::values() const {
    OptionValues v;
    v.clockRunning = ClockBox->isChecked();
    v.scoreLogging = LogBox->isChecked();
    v.sound = SoundBox->isChecked();
    v.waitOnError = WaitBox->isChecked();
    v.autoSave = AutoSaveBox->isChecked();
    v.hideLocoData = HideLocoBox->isChecked();
    v.fontSize = TrackBar1->value();
    return v;
}

} // namespace wm
