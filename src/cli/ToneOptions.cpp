#include "cli/ToneOptions.h"

#include "engine/AppState.h"

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
        throw UsageError("--ear: \"" + ear.toStdString() + "\" ist weder left noch right.");
    }
    return tone;
}

void applyEar(engine::AppState& state, int ear) {
    state.LeftChannelGain = ear == engine::kLeftEar ? 1 : 0;
    state.RightChannelGain = ear == engine::kRightEar ? 1 : 0;
}

} // namespace tavo::cli
