#pragma once
// Text helpers every layer shares, pure: UTF-8 reading and blank stripping.
#include <cstddef>
#include <optional>
#include <string_view>

namespace tlv {

// Decodes the UTF-8 character at s[i] and advances i past it; on a bad sequence, advances past its
// longest valid start (at least one byte) and returns nothing.
std::optional<char32_t> lis_utf8(std::string_view s, std::size_t& i);

// The bytes of the UTF-8 character at s[i] (1 past a bad byte).
std::size_t longueur_utf8(std::string_view s, std::size_t i);

// `s` without the `blancs` at either end.
std::string_view sansblancs(std::string_view s, std::string_view blancs = " \t");

} // namespace tlv
