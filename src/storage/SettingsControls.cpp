#include "storage/SettingsControls.h"

#include "storage/SettingsTable.h"

namespace tavo::storage {

namespace {
const QString kJoystick = QStringLiteral("rdoJoystick");
const QString kCtrl = QStringLiteral("rdoCTRL");
} // namespace

PlainSettingsControls::PlainSettingsControls(int waveDevices, int mixerDevices)
    : areaColour(kOlive), mainColour(kButtonFace) {
    for (const auto& row : settingsTable()) {
        const QString control = QString::fromLatin1(row.control);
        switch (row.kind) {
        case SettingKind::Boolean:
            checks_[control] = row.designChecked;
            break;
        case SettingKind::Text:
            texts_[control] = QString::fromUtf8(row.designText);
            break;
        case SettingKind::Device:
            selections_[control] = -1;
            break;
        case SettingKind::Colour:
            break;
        }
    }
    sizes_[QStringLiteral("WaveOutDevice")] = waveDevices;
    sizes_[QStringLiteral("MixerDevice")] = mixerDevices;
}

void PlainSettingsControls::setChecked(const QString& control, bool checked) {
    checks_[control] = checked;
    // Checking a radio button unchecks its partner; unchecking one leaves
    // the partner alone.
    if (checked && control == kJoystick) {
        checks_[kCtrl] = false;
    } else if (checked && control == kCtrl) {
        checks_[kJoystick] = false;
    }
}

bool PlainSettingsControls::isChecked(const QString& control) const {
    const auto it = checks_.find(control);
    return it != checks_.end() && it->second;
}

void PlainSettingsControls::setText(const QString& control, const QString& text) {
    texts_[control] = text;
}

QString PlainSettingsControls::text(const QString& control) const {
    const auto it = texts_.find(control);
    return it == texts_.end() ? QString() : it->second;
}

void PlainSettingsControls::select(const QString& list, int index) {
    const auto size = sizes_.find(list);
    const int count = size == sizes_.end() ? 0 : size->second;
    selections_[list] = index >= 0 && index < count ? index : -1;
}

int PlainSettingsControls::selection(const QString& list) const {
    const auto it = selections_.find(list);
    return it == selections_.end() ? -1 : it->second;
}

} // namespace tavo::storage
