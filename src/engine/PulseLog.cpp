#include "engine/PulseLog.h"

#include <QString>

namespace tavo::engine {

PulseLog::PulseLog() : csv_("run,ear,slot,frequency,pulse,level,pressed\n") {}

void PulseLog::pulseFinished(const PulseInfo& pulse, bool pressed) {
    csv_ += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                .arg(pulse.run)
                .arg(pulse.ear == 0 ? QStringLiteral("left") : QStringLiteral("right"))
                .arg(pulse.slot)
                .arg(pulse.frequency)
                .arg(pulse.pulse)
                .arg(pulse.level + 100.0, 0, 'f', 2)
                .arg(pressed ? 1 : 0)
                .toUtf8();
    ++rows_;
}

} // namespace tavo::engine
