// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversion between the roster's code page 1250 bytes and UTF-8, at the window's edge.

#include <optional>
#include <string>
#include <string_view>

namespace karvelo {

std::string Cp1250ToUtf8(std::string_view bytes);
// nullopt when the text holds a character that code page 1250 cannot carry.
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);

}  // namespace karvelo
