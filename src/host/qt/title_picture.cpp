#include "host/qt/title_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace wm {

QPixmap titlePicture(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(30, 40, 90));
    sky.setColorAt(0.7, QColor(230, 130, 60));
    sky.setColorAt(1.0, QColor(250, 200, 120));
    p.fillRect(pixmap.rect(), sky);

    // Hills
    QPainterPath hills;
    hills.moveTo(0, height * 0.75);
    hills.cubicTo(width * 0.3, height * 0.55, width * 0.6, height * 0.85, width, height * 0.65);
    hills.lineTo(width, height);
    hills.lineTo(0, height);
    p.fillPath(hills, QColor(40, 60, 40));

    // Viaduct with arches
    const int deck = static_cast<int>(height * 0.62);
    p.fillRect(0, deck, width, height / 20, QColor(90, 60, 50));
    const int arches = 6;
    for (int i = 0; i < arches; ++i) {
        const int x = i * width / arches;
        p.fillRect(x, deck, width / (arches * 5), height - deck, QColor(90, 60, 50));
    }

    // Train: engine facing right with four coaches behind it
    const QColor body(20, 20, 25);
    const int top = deck - height / 9;
    const int carLength = width / 9;
    for (int i = 0; i < 4; ++i) {
        const int x = width / 12 + i * (carLength + 4);
        p.fillRect(x, top, carLength, deck - top - 3, QColor(110, 30, 30));
        p.fillRect(x + 3, top + 4, carLength - 6, (deck - top) / 4, QColor(250, 220, 140));
    }
    const int engineX = width / 12 + 4 * (carLength + 4);
    p.fillRect(engineX, top - 4, carLength / 3, deck - top + 1, body);             // cab
    p.fillRect(engineX, top + 6, carLength + carLength / 4, deck - top - 9, body); // boiler
    p.fillRect(engineX + carLength, top - 6, carLength / 8, 12, body);             // chimney
    p.setBrush(QColor(200, 200, 210, 160));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(engineX + carLength - i * carLength * 0.5, top - 14 - i * 6), 8.0 + i * 3,
                      6.0 + i * 2);
    p.end();
    return pixmap;
}

} // namespace wm
