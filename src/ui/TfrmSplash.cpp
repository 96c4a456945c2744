#include "ui/TfrmSplash.h"

#include "platform/EventPump.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

namespace tavo::ui {

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    resize(250, 98);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap logo(QStringLiteral(":/tavo/logo.jpg"));
    Image1->setPixmap(logo);
    Image1->setScaledContents(true);
    Image1->installEventFilter(this);
    // The window takes the picture's size.
    if (!logo.isNull()) {
        resize(logo.size());
    }
    Image1->setGeometry(rect());

    ProductName = new QLabel(this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont font(QStringLiteral("Humanst521 BT"));
    font.setPixelSize(23);
    ProductName->setFont(font);
    ProductName->setStyleSheet(QStringLiteral("color: black; background: transparent"));
    ProductName->setAttribute(Qt::WA_TransparentForMouseEvents);
    ProductName->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    ProductName->setText(tr("Hörtest"));
    ProductName->setGeometry(0, height() - 34, width() - 8, 30);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfrmSplash::setAlpha(int alpha) {
    alpha_ = alpha;
    setWindowOpacity(alpha / 255.0);
}

bool TfrmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
        Image1Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void runSplash(TfrmSplash& splash, platform::EventPump& pump) {
    splash.setAlpha(0);
    splash.show();
    for (int i = 1; i <= 15; ++i) {
        splash.setAlpha(16 * i);
        pump.wait(20);
        pump.processEvents();
    }
    int round = 0;
    do {
        pump.wait(50);
        pump.processEvents();
        ++round;
    } while (splash.tag() != 1 && round < 7);
    for (int i = 1; i <= 15; ++i) {
        splash.setAlpha(256 - 16 * i);
        pump.wait(20);
        pump.processEvents();
    }
    splash.hide();
}

} // namespace tavo::ui
