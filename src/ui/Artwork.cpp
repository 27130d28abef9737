// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

// Twelve spokes clockwise from three o'clock, the current one left out, as the list shows them.
void DrawWheel(QPainter& painter, QPointF centre, double outer, int gap, double width) {
    constexpr double kPi = 3.14159265358979;
    painter.setPen(QPen(QColor(255, 0, 255), width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        if (i == gap)
            continue;
        const double theta = -i * kPi / 6;
        painter.drawLine(
            QPointF(centre.x() + outer / 2 * std::cos(theta), centre.y() - outer / 2 * std::sin(theta)),
            QPointF(centre.x() + outer * std::cos(theta), centre.y() - outer * std::sin(theta)));
    }
}

} // namespace

QImage Artwork::Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintIcon(painter, size);
    return image;
}

void Artwork::PaintIcon(QPainter& painter, int size) {
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = size / 32.0;
    QPainterPath face;
    face.addRoundedRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin), size / 6.0, size / 6.0);
    painter.fillPath(face, Qt::black);
    painter.setPen(QPen(QColor(0, 128, 128), size / 32.0));
    painter.drawPath(face);
    DrawWheel(painter, QPointF(size / 2.0, size / 2.0), size * 0.36, 2, std::max(1.0, size / 14.0));
}

QImage Artwork::Banner(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, width, 0);
    sky.setColorAt(0, Qt::black);
    sky.setColorAt(1, QColor(0, 64, 64));
    painter.fillRect(image.rect(), sky);
    DrawWheel(painter, QPointF(height * 0.6, height / 2.0), height * 0.4, 9, std::max(1.0, height / 12.0));
    // A progress bar running across, part filled.
    const QRectF bar(height * 1.3, height * 0.35, width - height * 1.6, height * 0.3);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    painter.fillRect(QRectF(bar.left() + 1, bar.top() + 1, bar.width() * 0.62, bar.height() - 1),
                     QColor(0, 128, 128));
    return image;
}

QIcon Artwork::ToolIcon(const QString& name) {
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(32, 32, 32), 1));
    painter.setBrush(Qt::white);
    if (name == QLatin1String("edit-cut")) { // scissors
        painter.drawLine(QPointF(4, 1), QPointF(10.5, 10));
        painter.drawLine(QPointF(12, 1), QPointF(5.5, 10));
        painter.drawEllipse(QPointF(4, 12.5), 2.5, 2.5);
        painter.drawEllipse(QPointF(12, 12.5), 2.5, 2.5);
    } else if (name == QLatin1String("edit-copy")) { // two sheets
        painter.drawRect(QRectF(1.5, 1.5, 8, 10));
        painter.drawRect(QRectF(6.5, 4.5, 8, 10));
    } else if (name == QLatin1String("edit-paste")) { // a clipboard with a sheet
        painter.setBrush(QColor(200, 160, 96));
        painter.drawRect(QRectF(1.5, 2.5, 10, 12));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(6.5, 6.5, 8, 8));
    } else { // a printer
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));
        painter.setBrush(QColor(160, 160, 160));
        painter.drawRect(QRectF(1.5, 6.5, 13, 6));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 10.5, 7, 4));
    }
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}
