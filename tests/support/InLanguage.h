#pragma once

#include "platform/Language.h"
#include "ui/ProgramLanguage.h"

#include <gtest/gtest.h>

#include <QTranslator>

namespace tavo::testsupport {

// While it lives, the program speaks `language`: its catalogues are
// installed as the program's start installs them (Qt's own German too,
// unless English), so windows built meanwhile take their texts from them.
// Afterwards none is installed, as in every other test.
class InLanguage {
public:
    explicit InLanguage(platform::Language language) {
        if (language != platform::Language::Source) {
            EXPECT_NE(platform::loadCatalogue(language), nullptr)
                << "no catalogue for " << platform::languageCode(language).toStdString();
        }
        ui::useLanguage(language);
    }
    ~InLanguage() { ui::dropLanguage(); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

inline constexpr platform::Language kEveryLanguage[] = {
    platform::Language::Source, platform::Language::German, platform::Language::English};

} // namespace tavo::testsupport
