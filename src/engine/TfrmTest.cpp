#include "engine/TfrmTest.h"

#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "engine/LiveTrace.h"
#include "storage/Settings.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace tavo::engine {

namespace {

// A filled circle with a black outline, centred in its box (the indicator
// and the black ring behind it).
class Circle final : public QWidget {
public:
    Circle(const QColor& fill, QWidget* parent) : QWidget(parent), fill_(fill) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(fill_);
        const int diameter = std::min(width(), height()) - 1;
        painter.drawEllipse(
            QRectF((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter));
    }

private:
    QColor fill_;
};

QColor traceColour(int ear, const storage::Settings& settings) {
    return toQColor(settings.colours[ear == kRightEar ? kRightEar : kLeftEar]);
}

} // namespace

TfrmTest::TfrmTest(AppState& state, const storage::Settings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      state_(state), settings_(settings), graph_(kGraphWidth, kGraphHeight, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(tr("Real Time Audiogram"));
    setFixedSize(371, 419);
    // Not moved by the program, so every show centres it on the screen.

    Graph = new QWidget(this);
    Graph->setObjectName(QStringLiteral("Graph"));
    Graph->setGeometry(8, 8, kGraphWidth, kGraphHeight);
    Graph->setAttribute(Qt::WA_OpaquePaintEvent);
    Graph->installEventFilter(this);

    Shape1 = new Circle(Qt::black, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(15, 380, 22, 20);
    light = new Circle(Qt::red, this);
    light->setObjectName(QStringLiteral("light"));
    light->setGeometry(15, 380, 22, 20);
    light->hide();

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(41, 384);
    lblLevel = new QLabel(this);
    lblLevel->setObjectName(QStringLiteral("lblLevel"));
    lblLevel->move(184, 384);

    Next = new QPushButton(QStringLiteral("Next"), this);
    Next->setObjectName(QStringLiteral("Next"));
    Next->setGeometry(272, 380, 75, 25);
    Next->installEventFilter(this);
    connect(Next, &QPushButton::clicked, this, &TfrmTest::NextClick);
    // The button holds the keyboard focus whenever the window is active.
    Next->setFocus();

    penColour_ = traceColour(trace_.ear, settings_);
    penPosition_ = QPoint(kTraceLeft, traceY(0.0));
    FormCreate();
    GraphPaint();
}

void TfrmTest::FormCreate() {
    Label1->setText(tr("Status Reaktionstaster"));
    Label1->adjustSize();
    Next->setText(tr("Weiter ->"));
}

void TfrmTest::showTestWindow() {
    show();
    raise();
    // The button, and with it the CTRL key, work without a click first.
    activateWindow();
}

void TfrmTest::hideTestWindow() {
    hide();
    // A run is over: the next one's window comes up with the bare grid.
    trace_.PulseCount = 0;
}

bool TfrmTest::testWindowVisible() const {
    return isVisible();
}

void TfrmTest::setButtonCaption(const QString& caption) {
    Next->setText(caption);
}

void TfrmTest::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TfrmTest::StartTrace(int ear, double level, int traceStep) {
    trace_.ear = ear;
    trace_.TraceStep = traceStep;
    trace_.PulseCount = 0;
    PaintAxes();
    const int y = traceY(level);
    penPosition_ = QPoint(kTraceLeft, y);
    penColour_ = traceColour(ear, settings_);
    recordTracePoint(trace_, 0, y);
}

void TfrmTest::DrawPulse(int pulse, double level) {
    if (pulse < 1) {
        return;
    }
    trace_.PulseCount = pulse;
    const int y = traceY(level);
    // Past the end of LiveTrace the previous point is only known as the end
    // of the line drawn last.
    const QPoint from = pulse - 1 <= kLastTraceEntry
                            ? QPoint(traceX(pulse - 1, trace_.TraceStep),
                                     trace_.LiveTrace[static_cast<std::size_t>(pulse - 1)])
                            : penPosition_;
    lineTo(from, QPoint(traceX(pulse, trace_.TraceStep), y));
    recordTracePoint(trace_, pulse, y);
}

void TfrmTest::WrapTrace(double level) {
    trace_.PulseCount = 0;
    recordTracePoint(trace_, 0, traceY(level));
}

void TfrmTest::SetLevel(double currentLevel) {
    lblLevel->setText(QString::number(levelDbHl(currentLevel)));
    lblLevel->adjustSize();
}

void TfrmTest::lineTo(const QPoint& from, const QPoint& to) {
    QPainter painter(&graph_);
    painter.setPen(QPen(penColour_, 0));
    painter.drawLine(from, to);
    penPosition_ = to;
    Graph->update();
}

void TfrmTest::PaintAxes() {
    QPainter painter(&graph_);
    QFont font = this->font();
    font.setPixelSize(10);
    painter.setFont(font);
    // The graph lies on the window in the button-face colour.
    paintAxes(painter, palette().color(QPalette::Button), toQColor(settings_.colours[2]),
              palette().color(QPalette::WindowText));
    Graph->update();
}

void TfrmTest::GraphPaint() {
    PaintAxes();
    penColour_ = traceColour(trace_.ear, settings_);
    QPainter painter(&graph_);
    paintTrace(painter, trace_, penColour_);
    // The pen stays where the last live segment ended: past 200 pulses the
    // next segment starts from there, not from the recorded trace's end.
}

void TfrmTest::NextClick() {
    state_.StopRequested = true;
}

void TfrmTest::FormClose() {
    state_.StopRequested = true;
}

void TfrmTest::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
    // On X11 the press of Ctrl itself arrives with the modifiers as they were
    // before it (without Ctrl); elsewhere it carries Ctrl. The key counts as
    // Ctrl held either way.
    if (button_ != nullptr) {
        button_->keyDown(shift.testFlag(Qt::ControlModifier) || key == Qt::Key_Control);
    }
}

void TfrmTest::FormKeyUp(int, Qt::KeyboardModifiers) {
    if (button_ != nullptr) {
        button_->keyUp();
    }
}

void TfrmTest::showResponse(bool down) {
    light->setVisible(down);
}

// The window and its button (which normally has the focus) both hand their
// keys to FormKeyDown and FormKeyUp. A key the button does not use travels on
// to the window and so reaches the handlers twice; they only set a flag, so
// that does no harm.
bool TfrmTest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Graph && event->type() == QEvent::Paint) {
        QPainter painter(Graph);
        painter.drawImage(0, 0, graph_);
        return true;
    }
    if (watched == Next) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            FormKeyDown(key->key(), key->modifiers());
        } else if (event->type() == QEvent::KeyRelease) {
            // A release made up by the keyboard's auto-repeat is no release.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) {
                FormKeyUp(key->key(), key->modifiers());
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmTest::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key(), event->modifiers());
    if (event->key() == Qt::Key_Escape) {
        // Escape is the button's key; it must not just close the dialog.
        event->accept();
        Next->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmTest::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        FormKeyUp(event->key(), event->modifiers());
    }
    QDialog::keyReleaseEvent(event);
}

void TfrmTest::changeEvent(QEvent* event) {
    // A window that loses the keyboard never sees CTRL come up: count the
    // button as released rather than held for good.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        FormKeyUp(Qt::Key_Control, Qt::NoModifier);
    }
    QDialog::changeEvent(event);
}

void TfrmTest::closeEvent(QCloseEvent* event) {
    FormClose();
    QDialog::closeEvent(event);
}

void TfrmTest::showEvent(QShowEvent* event) {
    // A window coming up draws itself from the state, as any repaint would.
    GraphPaint();
    QDialog::showEvent(event);
}

} // namespace tavo::engine
