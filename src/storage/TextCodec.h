// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Text in files is UTF-8; files from the Windows version hold Windows-1252 bytes instead.
[[nodiscard]] bool IsValidUtf8(std::string_view text);
[[nodiscard]] std::string Cp1252ToUtf8(std::string_view text);
// The text as UTF-8: unchanged when it already is, else read as Windows-1252.
[[nodiscard]] std::string ToUtf8(std::string text);
// Characters (code points) in UTF-8 text, for padding columns.
[[nodiscard]] std::size_t Utf8Length(std::string_view text);
