// The language start file "LANG.TXT", and the help page files.
#pragma once

#include <string>

#include "trip/paths.h"
#include "trip/settings.h"

namespace vx {

// Reads the first line of the file: "EN_" sets English and all five imperial and US units of
// the flags and the current rider, "DE_" German and "ES_" Spanish with all five cleared.
// The file is deleted whatever it holds. True when the settings changed.
bool ApplyLanguageFile(const std::string& path, Settings& s);

// Sets or clears the five unit choices in the flags and in the current rider's unit bytes.
void SetAllUnits(Settings& s, bool imperial);

// "DE" for German, "EN" for every other language index.
const char* HelpLanguageCode(int language);

// The help page file to show, or empty when it does not exist. With the Torkon as data source
// (code 4) the "_TRK" variant of the page is preferred when asked for.
std::string HelpPagePath(const Paths& paths, int language, int page, int data_source,
                         bool torkon_variant = true);

}  // namespace vx
