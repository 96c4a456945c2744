// Byte vectors built by hand from the layout tables, independent of the
// program's writers.
#pragma once

#include "engine/AppState.h"

#include <QByteArray>

#include <cstdint>
#include <cstring>

namespace tavo::testsupport {

inline QByteArray le32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    QByteArray bytes;
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(static_cast<char>((bits >> shift) & 0xFF));
    }
    return bytes;
}

inline QByteArray le64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes;
    for (int shift = 0; shift < 64; shift += 8) {
        bytes.append(static_cast<char>((bits >> shift) & 0xFF));
    }
    return bytes;
}

// A counted string record of single-byte text: N = L + 2, L, text, pad.
inline QByteArray record(const QByteArray& text, char pad = '\0') {
    return le32(static_cast<std::int32_t>(text.size()) + 2) +
           QByteArray(1, static_cast<char>(text.size())) + text + QByteArray(1, pad);
}

inline QByteArray testHeader(char pad = '\0') {
    return QByteArray(1, '\x10') + QByteArray("VorlandtTestFile") + QByteArray(1, pad);
}

inline QByteArray calibrationSignature() {
    return record("Calibration Data");
}

// A run whose every value tells where it sits: level k of ear e, index i is
// 1000·e + 50·i + k − 30 (negative ones too), count i mod 21, spread i,
// threshold 500·e + i − 7.
inline tavo::engine::TTestResult numberedRun(int offset) {
    tavo::engine::TTestResult run;
    for (int ear = 0; ear < 2; ++ear) {
        for (int index = 0; index < 12; ++index) {
            auto& list = run.Reversals[ear][index];
            list.Count = (index + offset) % 21;
            for (int k = 0; k < 20; ++k) {
                list.Levels[k] = offset + 1000 * ear + 50 * index + k - 30;
            }
            list.Spread = index + offset;
            run.Thresholds[ear][index] = offset + 500 * ear + index - 7;
        }
    }
    return run;
}

// The four arrays of a run as the layout stores them, written out by hand.
inline QByteArray runArrays(const tavo::engine::TTestResult& run) {
    QByteArray bytes;
    for (int ear = 0; ear < 2; ++ear) {
        for (int index = 0; index < 12; ++index) {
            const auto& list = run.Reversals[ear][index];
            bytes += le32(list.Count);
            for (int k = 0; k < 20; ++k) {
                bytes += le32(list.Levels[k]);
            }
            bytes += le32(list.Spread);
        }
    }
    for (int ear = 0; ear < 2; ++ear) {
        for (int index = 0; index < 12; ++index) {
            bytes += le32(run.Thresholds[ear][index]);
        }
    }
    return bytes;
}

} // namespace tavo::testsupport
