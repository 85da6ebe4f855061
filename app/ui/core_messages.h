// The core's fixed messages (written in English) in the window's language.
#pragma once

#include <QString>
#include <string>

namespace vx {

// The translation of a known core message; any other text is shown as it stands.
QString CoreMessage(const std::string& text);

}  // namespace vx
