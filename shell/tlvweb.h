#pragma once
// One value of an ini file, the way the publisher's web settings ("tlvweb.ini") are read.
#include <string>
#include <string_view>

namespace tlv {

// The value of `cle` in `[section]` of the file, blanks around it removed, as UTF-8; section and key
// match whatever their case. The first matching key wins; a value in matching quotes loses them.
// Empty when the file, the section or the key is missing.
std::string litvaleurini(const std::string& fichier, std::string_view section, std::string_view cle);

// The publisher's web page: `url=` of `[siteconf]` in "tlvweb.ini" of the application folder.
std::string urlsite(const std::string& repertoire);

// The page the web button opens: `lue` (the address read from "tlvweb.ini") when it is an http or https
// address, else the offline page "tolvanex.html" of the application folder, as a file:// URL.
std::string adresseweb(const std::string& lue, const std::string& repertoire);

// What the box says when the page could not be opened: why, and the page (a file:// address as its
// path) for the player to open by hand.
std::string textepagenonouverte(const std::string& adresse);

// A local file as a file:// URL, every byte but letters, digits and - . _ ~ / percent-encoded.
std::string urlfichier(const std::string& chemin);

} // namespace tlv
