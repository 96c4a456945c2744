#include "cli/ToneOptions.h"

#include "cli/Command.h"
#include "engine/AppState.h"

#include <QCoreApplication>

namespace tavo::cli {

ToneOptions readToneOptions(const Args& args) {
    ToneOptions tone;
    tone.frequency = args.integer(QStringLiteral("frequency"), 1, 22050);
    tone.level = args.number(QStringLiteral("level"), -200.0, 60.0);
    const QString ear = args.text(QStringLiteral("ear"));
    if (ear == QLatin1String("left")) {
        tone.ear = engine::kLeftEar;
    } else if (ear == QLatin1String("right")) {
        tone.ear = engine::kRightEar;
    } else {
        throw UsageError(
            QCoreApplication::translate("ToneOptions", "--ear: \"%1\" ist weder left noch right")
                .arg(ear));
    }
    return tone;
}

void warnIfClipping(const QString& command, double level) {
    // 0 dB is a peak of exactly 32767; anything above is cut off.
    if (level > 0.0) {
        err(QCoreApplication::translate("ToneOptions",
                                        "tavo %1: Pegel übersteuert: Spitzen werden begrenzt")
                .arg(command));
    }
}

} // namespace tavo::cli
