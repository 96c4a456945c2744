#pragma once

#include <QString>

#include <cstdint>
#include <map>

namespace tavo::storage {

// The settings dialog's controls as the registry reader and writer see
// them, addressed by the controls' object names. Setting a control has the
// same effects as the user changing it (a radio button unchecks its
// partner, "Erste Umkehrung verwerfen" recomputes the thresholds, ...).
class SettingsControls {
public:
    virtual ~SettingsControls() = default;

    virtual void enableFrequencyBoxes() = 0;
    virtual void setChecked(const QString& control, bool checked) = 0;
    virtual bool isChecked(const QString& control) const = 0;
    virtual void setText(const QString& control, const QString& text) = 0;
    virtual QString text(const QString& control) const = 0;
    // A device list's selection; an index past the end (or negative) leaves
    // the list without a selection (-1).
    virtual void select(const QString& list, int index) = 0;
    virtual int selection(const QString& list) const = 0;

    // The colours the audiogram area and the main window have now.
    virtual std::uint32_t audiogramAreaColour() const = 0;
    virtual void setAudiogramAreaColour(std::uint32_t colour) = 0;
    virtual std::uint32_t windowColour() const = 0;
    virtual void setWindowColour(std::uint32_t colour) = 0;

    // First start: show the hardware settings (behind the password).
    virtual void firstStart() = 0;
};

// The controls as plain values, starting at the dialog's design state: for
// `tavo settings` and for tests. The two response-button radio buttons form
// one group; the device lists have the sizes given.
class PlainSettingsControls : public SettingsControls {
public:
    PlainSettingsControls(int waveDevices, int mixerDevices);

    void enableFrequencyBoxes() override { frequencyBoxesEnabled = true; }
    void setChecked(const QString& control, bool checked) override;
    bool isChecked(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    QString text(const QString& control) const override;
    void select(const QString& list, int index) override;
    int selection(const QString& list) const override;
    std::uint32_t audiogramAreaColour() const override { return areaColour; }
    void setAudiogramAreaColour(std::uint32_t colour) override { areaColour = colour; }
    std::uint32_t windowColour() const override { return mainColour; }
    void setWindowColour(std::uint32_t colour) override { mainColour = colour; }
    void firstStart() override { ++firstStarts; }

    bool frequencyBoxesEnabled = false;
    std::uint32_t areaColour;
    std::uint32_t mainColour;
    int firstStarts = 0;

private:
    std::map<QString, bool> checks_;
    std::map<QString, QString> texts_;
    std::map<QString, int> selections_;
    std::map<QString, int> sizes_;
};

} // namespace tavo::storage
