// The offline web page shipped with the game: the help text as one French HTML page.
#pragma once
#include <string>
#include <string_view>

namespace tlv {

// The help text's markup ("# " headings, blank lines between paragraphs, "- " list items), UTF-8,
// as a whole HTML page: the first heading is the page's title, the others its sections, listed at the top.
std::string pageweb(std::string_view aide);

// The text with &, <, > and " written as HTML entities.
std::string echappehtml(std::string_view texte);

} // namespace tlv
