#include "host/qt/end_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/qt/title_picture.h"

namespace wm {

EndDialog::EndDialog(QWidget* parent, const QString& simulationName, const QString& rating,
                     const QString& pointScore, const QString& perCent)
    : QDialog(parent), simulationName_(simulationName) {
    setWindowTitle("TAVO end of session");
    setObjectName("TTAVOend");
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(titlePicture(360, 160));
    layout->addWidget(picture);
    SimName = new QLabel(this);
    SimName->setObjectName("SimName");
    QFont font = SimName->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    SimName->setFont(font);
    SimName->setAlignment(Qt::AlignCenter);
    layout->addWidget(SimName);
    const auto line = [&](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        layout->addWidget(label);
        return label;
    };
    Rating = line("Rating", rating);
    PointScore = line("PointScore", pointScore);
    PerCent = line("PerCent", perCent);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

void EndDialog::showEvent(QShowEvent* event) {
    SimName->setText(simulationName_);
    QDialog::showEvent(event);
}

} // namespace wm
