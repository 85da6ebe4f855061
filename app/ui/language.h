// Switching the language of every window at run time: the catalogue of the language is
// installed and each window retranslates itself on the LanguageChange event.
#pragma once

#include <QString>

namespace vx {

// 0 German, 2 Spanish, any other index English.
QString LanguageCode(int language);
// Installs the catalogue of the language (replacing the one before); false when it is missing.
bool InstallLanguage(int language);

}  // namespace vx
