#pragma once

#include <QDialog>

namespace tavo::engine {

// The real-time audiogram window shown during a test. Created once at
// start-up and kept hidden until a run shows it.
class TfrmTest final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTest(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace tavo::engine
