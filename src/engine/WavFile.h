#pragma once

#include "engine/ToneSynthesis.h"

#include <QByteArray>
#include <QString>

namespace tavo::engine {

// The canonical 44-byte RIFF/WAVE header for 16-bit stereo PCM at 44100 Hz
// in front of `frames` bytes of frames.
QByteArray wavHeader(std::uint32_t dataBytes);

// Writes a WAV file with the frames of `buffer`. The file is written to a
// temporary file beside the target and renamed over it, so a failure leaves
// an existing file as it was. Returns an empty text on success, else the
// reason.
QString writeWavFile(const QString& fileName, const ToneBuffer& buffer);

} // namespace tavo::engine
