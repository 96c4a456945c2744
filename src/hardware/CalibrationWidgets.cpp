#include "hardware/CalibrationWidgets.h"

#include "engine/ColourValue.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>

#include <algorithm>

namespace tavo::hardware {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = named(new QLabel(text, parent), name);
    label->setGeometry(geometry);
    return label;
}

QSlider* makeLevelSlider(QWidget* parent, const char* name, const QRect& geometry, int maximum,
                         int tickInterval, const QString& hint) {
    auto* slider = new QSlider(Qt::Vertical, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setGeometry(geometry);
    slider->setTickPosition(QSlider::TicksBothSides);
    slider->setRange(0, maximum);
    // Position 0: the top.
    slider->setValue(maximum);
    slider->setTickInterval(tickInterval);
    slider->setPageStep(std::max(1, tickInterval));
    slider->setToolTip(hint);
    return slider;
}

void setSliderRange(QSlider* slider, int maximum) {
    slider->setRange(0, std::max(0, maximum));
    const int tick = std::max(1, maximum / 8);
    slider->setTickInterval(tick);
    slider->setPageStep(tick);
}

ToneLed::ToneLed(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ToneLed::setOn(bool on) {
    colour_ = on ? kLedOn : kLedOff;
    update();
}

void ToneLed::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(engine::toQColor(colour_));
    const int diameter = std::min(width(), height()) - 1;
    painter.drawEllipse(
        QRectF((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter));
}

HeadphonesPicture::HeadphonesPicture(QWidget* parent) : QWidget(parent) {}

void HeadphonesPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
    const double cupWidth = area.width() * 0.22;
    const double cupHeight = area.height() * 0.42;
    const double cupTop = area.bottom() - cupHeight;
    // The headband: a thick arc from cup to cup.
    QPainterPath band;
    band.moveTo(area.left() + cupWidth / 2, cupTop + cupHeight * 0.3);
    band.cubicTo(area.left() + cupWidth / 2, area.top() - area.height() * 0.15,
                 area.right() - cupWidth / 2, area.top() - area.height() * 0.15,
                 area.right() - cupWidth / 2, cupTop + cupHeight * 0.3);
    painter.setPen(QPen(QColor(60, 60, 70), area.width() * 0.06, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(band);
    // The two ear cups, left in blue and right in red as on an audiogram.
    painter.setPen(QPen(QColor(30, 30, 35), 2));
    for (const auto& [x, colour] : {std::pair{area.left(), QColor(40, 80, 190)},
                                    std::pair{area.right() - cupWidth, QColor(190, 40, 40)}}) {
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(x, cupTop, cupWidth, cupHeight), cupWidth * 0.4,
                                cupWidth * 0.4);
    }
}

} // namespace tavo::hardware
