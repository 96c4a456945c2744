#pragma once

#include <QWidget>

class QLabel;

namespace tavo::platform {
class EventPump;
}

namespace tavo::ui {

// The borderless splash window: the product logo with "Hörtest" over its
// lower right corner. A click on the picture sets the tag that ends the
// hold.
class TfrmSplash final : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void Image1Click() { tag_ = 1; }

    // Per-window transparency, 0 (invisible) to 255 (opaque).
    void setAlpha(int alpha);
    int alpha() const { return alpha_; }

    QLabel* Image1 = nullptr;
    QLabel* ProductName = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int tag_ = 0;
    int alpha_ = 255;
};

// The start-up splash sequence: show, fade in over 15 steps of 16 (20 ms
// apart), hold in 50 ms rounds until a click or for 7 rounds, fade out over
// 15 steps, hide.
void runSplash(TfrmSplash& splash, platform::EventPump& pump);

} // namespace tavo::ui
