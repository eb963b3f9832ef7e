#include "app/Artwork.h"

#include "app/Themes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace pondus {

namespace {

// Icons are drawn in a 64 by 64 design space and rendered at the usual sizes.
constexpr double Design = 64.0;

using Drawing = std::function<void(QPainter&)>;

QIcon iconFrom(const Drawing& draw) {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 96}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / Design, side / Design);
        draw(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QLinearGradient verticalGradient(double top, double bottom, QColor from, QColor to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

// A label scale: platter, body with keypad, and the display on its pole.
void drawScale(QPainter& painter, QColor body, QColor accent) {
    painter.save();
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawEllipse(QRectF(4, 53, 54, 8));

    painter.setBrush(verticalGradient(8, 38, body.lighter(130), body));
    painter.drawRoundedRect(QRectF(44, 14, 7, 22), 2, 2);

    painter.setBrush(verticalGradient(2, 22, body.lighter(120), body.darker(130)));
    painter.drawRoundedRect(QRectF(28, 3, 33, 17), 3, 3);
    painter.setBrush(verticalGradient(6, 17, QColor(0xd9, 0xf7, 0xc8), QColor(0x9c, 0xd8, 0x86)));
    painter.drawRoundedRect(QRectF(31, 6, 27, 11), 1.5, 1.5);
    painter.setBrush(QColor(0x1f, 0x4d, 0x1c));
    for (int digit = 0; digit < 4; ++digit)
        painter.drawRect(QRectF(34 + digit * 6, 9, 4, 5));

    QPainterPath housing;
    housing.moveTo(9, 37);
    housing.lineTo(53, 37);
    housing.lineTo(58, 55);
    housing.lineTo(4, 55);
    housing.closeSubpath();
    painter.setBrush(verticalGradient(37, 55, body.lighter(115), body.darker(140)));
    painter.drawPath(housing);

    painter.setBrush(QColor(255, 255, 255, 200));
    for (int key = 0; key < 5; ++key)
        painter.drawRoundedRect(QRectF(13 + key * 7, 44, 5, 4), 1, 1);
    painter.setBrush(accent);
    painter.drawRoundedRect(QRectF(48, 43, 5, 6), 1, 1);

    painter.setBrush(verticalGradient(29, 37, QColor(0xf4, 0xf6, 0xf8), QColor(0xa9, 0xb2, 0xbc)));
    painter.drawRoundedRect(QRectF(3, 30, 48, 7), 2.5, 2.5);
    painter.restore();
}

void drawGear(QPainter& painter, const Theme& look) {
    constexpr int teeth = 9;
    const QPointF centre(32, 32);
    QPainterPath gear;
    for (int step = 0; step < teeth * 4; ++step) {
        double angle = (step - 0.5) * M_PI * 2 / (teeth * 4);
        double radius = (step % 4 == 0 || step % 4 == 1) ? 29 : 22;
        QPointF point = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        step == 0 ? gear.moveTo(point) : gear.lineTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 9, 9);

    painter.setPen(QPen(look.dark.darker(130), 1.5));
    painter.setBrush(verticalGradient(3, 61, look.light.lighter(115), look.dark));
    painter.drawPath(gear.subtracted(hole));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(centre, 15, 15);
}

void drawDocument(QPainter& painter, const Theme& look) {
    QPainterPath sheet;
    sheet.moveTo(10, 4);
    sheet.lineTo(40, 4);
    sheet.lineTo(52, 16);
    sheet.lineTo(52, 60);
    sheet.lineTo(10, 60);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(0x8a, 0x94, 0x9e), 1.5));
    painter.setBrush(verticalGradient(4, 60, Qt::white, QColor(0xe6, 0xea, 0xee)));
    painter.drawPath(sheet);
    painter.setBrush(QColor(0xc9, 0xd1, 0xd9));
    painter.drawPolygon(QPolygonF({QPointF(40, 4), QPointF(40, 16), QPointF(52, 16)}));

    painter.setPen(QPen(look.light, 3, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 5; ++line)
        painter.drawLine(QPointF(17, 22 + line * 7), QPointF(line % 2 ? 37 : 44, 22 + line * 7));

    painter.setPen(QPen(look.dark, 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 52), QPointF(59, 61));
    painter.setPen(QPen(look.dark, 3.5));
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.drawEllipse(QPointF(43, 45), 9, 9);
}

void drawPower(QPainter& painter) {
    QRadialGradient glow(QPointF(26, 22), 36);
    glow.setColorAt(0, QColor(0xf2, 0x6b, 0x5b));
    glow.setColorAt(1, QColor(0xa3, 0x1f, 0x1a));
    painter.setPen(QPen(QColor(0x86, 0x16, 0x12), 1.5));
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(32, 32), 28, 28);

    QPen mark(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(mark);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(18, 19, 28, 28), 125 * 16, -250 * 16);
    painter.drawLine(QPointF(32, 14), QPointF(32, 31));
}

void drawDisk(QPainter& painter, const Theme& look) {
    painter.setPen(QPen(look.dark.darker(140), 2));
    painter.setBrush(verticalGradient(4, 60, look.light, look.dark));
    painter.drawRoundedRect(QRectF(5, 5, 54, 54), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xec, 0xf0));
    painter.drawRect(QRectF(17, 7, 30, 18));
    painter.setBrush(look.dark);
    painter.drawRect(QRectF(37, 10, 6, 12));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(12, 33, 40, 24), 2, 2);
    painter.setPen(QPen(QColor(0xb0, 0xb8, 0xc0), 2));
    painter.drawLine(QPointF(17, 41), QPointF(47, 41));
    painter.drawLine(QPointF(17, 49), QPointF(47, 49));
}

void fillBanner(QPainter& painter, QSize size, const Theme& look) {
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, look.dark);
    gradient.setColorAt(1, look.light);
    painter.fillRect(QRect(QPoint(), size), gradient);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 18));
    painter.drawEllipse(QPointF(size.width() - 40, -10), 90, 90);
    painter.drawEllipse(QPointF(size.width() - 150, size.height() + 30), 70, 70);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRect(QRect(0, size.height() - 2, size.width(), 2));
}

QPixmap emptyPicture(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap scaleHeaderPicture(QSize size, const QString& line, const Theme& look) {
    QPixmap pixmap = emptyPicture(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    fillBanner(painter, size, look);

    const double badge = size.height() - 16;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(QRectF(12, 8, badge, badge));
    painter.save();
    painter.translate(12 + badge * 0.14, 8 + badge * 0.12);
    painter.scale(badge * 0.72 / Design, badge * 0.72 / Design);
    drawScale(painter, look.dark, look.light);
    painter.restore();

    const int textLeft = int(badge) + 26;
    QFont title = painter.font();
    title.setPixelSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(textLeft, 8, size.width() - textLeft - 10, 34),
                     Qt::AlignLeft | Qt::AlignVCenter, "Pondus");

    QFont small = painter.font();
    small.setPixelSize(12);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(textLeft, 42, size.width() - textLeft - 10, size.height() - 46),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
    return pixmap;
}

QPixmap optionHeaderPicture(QSize size, const Theme& look) {
    QPixmap pixmap = emptyPicture(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    fillBanner(painter, size, look);

    Theme watermark = look;
    watermark.dark = QColor(255, 255, 255, 120);
    watermark.light = QColor(255, 255, 255, 60);
    const double side = size.height() * 1.3;
    painter.save();
    painter.translate(size.width() - side * 0.9, -side * 0.15);
    painter.scale(side / Design, side / Design);
    drawGear(painter, watermark);
    painter.restore();
    return pixmap;
}

QIcon applicationIcon() {
    return iconFrom(
        [](QPainter& painter) { drawScale(painter, plainLook().dark, plainLook().light); });
}

QIcon optionIcon(const Theme& look) {
    return iconFrom([&look](QPainter& painter) { drawGear(painter, look); });
}

QIcon logIcon(const Theme& look) {
    return iconFrom([&look](QPainter& painter) { drawDocument(painter, look); });
}

QIcon closeIcon() {
    return iconFrom([](QPainter& painter) { drawPower(painter); });
}

QIcon saveIcon(const Theme& look) {
    return iconFrom([&look](QPainter& painter) { drawDisk(painter, look); });
}

} // namespace pondus
