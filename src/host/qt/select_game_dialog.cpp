#include "host/qt/select_game_dialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "host/qt/title_picture.h"

namespace wm {

SelectGameDialog::SelectGameDialog(QWidget* parent, const QString& simulationName) : QDialog(parent) {
    setWindowTitle("TAVO select game");
    setObjectName("TTAVOnews");
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(titlePicture(360, 160));
    layout->addWidget(picture);
    SimName = new QLabel(simulationName, this);
    SimName->setObjectName("SimName");
    QFont font = SimName->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    SimName->setFont(font);
    SimName->setAlignment(Qt::AlignCenter);
    layout->addWidget(SimName);

    auto group = [&](const char* name, const QString& title, const QStringList& items,
                     QButtonGroup*& buttons) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(name);
        auto* boxLayout = new QVBoxLayout(box);
        buttons = new QButtonGroup(this);
        for (int i = 0; i < items.size(); ++i) {
            auto* radio = new QRadioButton(items[i], box);
            buttons->addButton(radio, i);
            boxLayout->addWidget(radio);
        }
        return box;
    };
    auto* row = new QHBoxLayout;
    row->addWidget(group("DiffLevel", "Select difficulty level",
                         {"Very easy", "Easy", "Moderate", "Hard", "Very hard"}, DiffLevel));
    row->addWidget(group("SelectDay", "Select day", {"Weekday", "Saturday", "Sunday"}, SelectDay));
    layout->addLayout(row);
    DiffLevel->button(0)->setChecked(true);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKbutton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

GameChoice SelectGameDialog::choice() const {
    return {DiffLevel->checkedId(), SelectDay->checkedId()};
}

void SelectGameDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace wm
