#pragma once

#include "platform/Language.h"

namespace tavo::ui {

// Makes the program speak `language` from now on: its own catalogue, and
// Qt's German one for the standard buttons and dialogs unless the language
// is English (the source texts keep Qt's German, as the program always
// had). Replaces what an earlier call installed. Needs the application
// object; windows built afterwards take their texts in that language.
void useLanguage(platform::Language language);

// The language last chosen by useLanguage (the source texts before any).
platform::Language programLanguage();

// No catalogue at all, as before the first useLanguage: the source texts
// and Qt's own English.
void dropLanguage();

} // namespace tavo::ui
