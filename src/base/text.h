#pragma once
// The text type of the engine: every character the program uses ("·", "–", "ß", "ℝ", …)
// is one UTF-16 code unit, so character rules work on code units.

#include <string>
#include <string_view>

namespace kalkora {

using Text = std::u16string;
using TextView = std::u16string_view;

// Plain ASCII or UTF-8 text (tools, tests, JSON output) to and from the engine's text type.
Text TextFromUtf8(std::string_view utf8);
std::string Utf8FromText(TextView text);

}  // namespace kalkora
