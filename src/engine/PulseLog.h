#pragma once

#include "engine/PulseObserver.h"

#include <QByteArray>

namespace tavo::engine {

// One CSV row per pulse played, as the pulse ends:
//   run,ear,slot,frequency,pulse,level,pressed
// ear "left"/"right", level in dB HL with two decimals, pressed 1/0 (the
// button seen down during the pulse).
class PulseLog final : public PulseObserver {
public:
    PulseLog();
    void pulseFinished(const PulseInfo& pulse, bool pressed) override;
    const QByteArray& csv() const { return csv_; }
    int rows() const { return rows_; }

private:
    QByteArray csv_;
    int rows_ = 0;
};

} // namespace tavo::engine
