// "tlvweb.ini": whatever it holds, the address read is one line of UTF-8 (a quoted value keeps its blanks),
// and the page the web button opens is either that address, an http(s) one with no blank or control byte, or
// the offline page as a file:// URL.
#include <cstdint>
#include <string>

#include "fuzz.h"
#include "shell/fichiers.h"
#include "shell/tlvweb.h"

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    const std::string dossier = fuzz::dossier();
    fuzz::pose(dossier + "tlvweb.ini", octets);

    const std::string lue = urlsite(dossier);
    TLV_VERIFIE(lue.find_first_of("\r\n") == std::string::npos);
    // Valid UTF-8: it goes back to the file's bytes without a '?' that was not there.
    const std::string cp = utf8_vers_cp1252(lue);
    TLV_VERIFIE(cp1252_vers_utf8(cp) == lue);
    // The same key under other cases is the same key.
    TLV_VERIFIE(litvaleurini(dossier + "tlvweb.ini", "SiteConf", "URL") == lue);

    const std::string page = adresseweb(lue, dossier);
    if (page.rfind("file://", 0) == 0) {
        TLV_VERIFIE(page == urlfichier(dossier + "tolvanex.html"));
    } else {
        TLV_VERIFIE(page == lue);
        std::string debut = page.substr(0, 8);
        for (char& c : debut) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        TLV_VERIFIE(debut.rfind("http://", 0) == 0 || debut == "https://");
        for (const char c : page) TLV_VERIFIE(static_cast<unsigned char>(c) > 0x20 && c != 0x7F);
    }
    for (const char c : urlfichier(octets))
        TLV_VERIFIE(static_cast<unsigned char>(c) > 0x20 && static_cast<unsigned char>(c) < 0x7F);
    return 0;
}
