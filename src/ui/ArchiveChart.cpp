#include "ui/ArchiveChart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tavo::ui {

ArchiveChart::ArchiveChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 140);
}

void ArchiveChart::setPoints(std::vector<Point> points) {
    points_ = std::move(points);
    update();
}

void ArchiveChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(36, 10, -10, -22);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);

    int low = 0;
    int high = 10;
    for (const auto& point : points_) {
        for (const auto& figure : {point.ospl, point.ospr, point.apv}) {
            if (figure) {
                low = std::min(low, *figure);
                high = std::max(high, *figure);
            }
        }
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(0, area.top() - 6, 32, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(high));
    painter.drawText(QRectF(0, area.bottom() - 6, 32, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(low));
    if (points_.empty()) {
        painter.drawText(area, Qt::AlignCenter,
                         QCoreApplication::translate("ArchiveChart", "Keine Tests"));
        return;
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), 16), Qt::AlignLeft,
                     points_.front().date);
    painter.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), 16), Qt::AlignRight,
                     points_.back().date);

    const auto x = [&](std::size_t index) {
        return points_.size() == 1
                   ? area.center().x()
                   : area.left() + area.width() * double(index) / double(points_.size() - 1);
    };
    const auto y = [&](int figure) {
        return area.bottom() - area.height() * double(figure - low) / double(high - low);
    };
    const struct {
        std::optional<int> Point::*figure;
        QColor colour;
        const char* name;
    } lines[] = {{&Point::ospl, QColor(0, 0, 160), "OSPL"},
                 {&Point::ospr, QColor(160, 0, 0), "OSPR"},
                 {&Point::apv, QColor(0, 120, 0), "APV"}};
    qreal legend = area.left() + 6;
    for (const auto& line : lines) {
        QPainterPath path;
        bool drawing = false;
        painter.setPen(QPen(line.colour, 2));
        for (std::size_t i = 0; i < points_.size(); ++i) {
            const auto& figure = points_[i].*line.figure;
            if (!figure) {
                drawing = false;
                continue;
            }
            const QPointF at(x(i), y(*figure));
            drawing ? path.lineTo(at) : path.moveTo(at);
            drawing = true;
            painter.drawEllipse(at, 2.5, 2.5);
        }
        painter.drawPath(path);
        painter.drawText(QPointF(legend, area.top() + 14), QString::fromLatin1(line.name));
        legend += 48;
    }
}

} // namespace tavo::ui
