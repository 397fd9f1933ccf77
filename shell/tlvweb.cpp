#include "tlvweb.h"

#include "fichiers.h"
#include "socle/chaines.h"

namespace tlv {

namespace {

// A file edited on Windows keeps its carriage returns.
constexpr std::string_view Blancs = " \t\r";

bool memenom(std::string_view a, std::string_view b) {
    const auto minuscule = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (minuscule(a[i]) != minuscule(b[i])) return false;
    return true;
}

// http:// or https:// (any case) and a host, nothing a browser would read as more than one address.
bool adresseinternet(std::string_view a) {
    std::string debut;
    for (const char c : a.substr(0, 8)) debut += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    const std::size_t schema = debut.starts_with("https://") ? 8 : debut.starts_with("http://") ? 7 : 0;
    if (schema == 0 || a.size() == schema || a[schema] == '/') return false;
    for (const char c : a)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) return false;
    return true;
}

} // namespace

std::string litvaleurini(const std::string& fichier, std::string_view section, std::string_view cle) {
    const auto lignes = litlignes(fichier);
    if (!lignes) return "";
    section = sansblancs(section, Blancs);
    cle = sansblancs(cle, Blancs);
    bool dedans = false;
    bool premiere = true;
    for (const std::string& brute : *lignes) {
        std::string_view ligne = brute;
        // An editor may have put a UTF-8 mark in front of the first line.
        if (premiere && ligne.starts_with("\xEF\xBB\xBF")) ligne.remove_prefix(3);
        premiere = false;
        ligne = sansblancs(ligne, Blancs);
        if (ligne.empty() || ligne.front() == ';' || ligne.front() == '#') continue;
        if (ligne.front() == '[') {
            const auto fin = ligne.find(']');
            const auto nom =
                ligne.substr(1, fin == std::string_view::npos ? std::string_view::npos : fin - 1);
            dedans = memenom(sansblancs(nom, Blancs), section);
            continue;
        }
        const auto egal = ligne.find('=');
        if (!dedans || egal == std::string_view::npos ||
            !memenom(sansblancs(ligne.substr(0, egal), Blancs), cle))
            continue;
        std::string_view valeur = sansblancs(ligne.substr(egal + 1), Blancs);
        if (valeur.size() >= 2 && (valeur.front() == '"' || valeur.front() == '\'') &&
            valeur.back() == valeur.front())
            valeur = valeur.substr(1, valeur.size() - 2);
        return cp1252_vers_utf8(valeur);
    }
    return "";
}

std::string urlsite(const std::string& repertoire) {
    std::string dossier = repertoire;
    if (!dossier.empty() && dossier.back() != '/') dossier += '/';
    return litvaleurini(dossier + "tlvweb.ini", "siteconf", "url");
}

std::string urlfichier(const std::string& chemin) {
    static constexpr char hexa[] = "0123456789ABCDEF";
    std::string r = "file://";
    for (const char c : chemin) {
        const auto o = static_cast<unsigned char>(c);
        const bool garde = (o >= 'a' && o <= 'z') || (o >= 'A' && o <= 'Z') || (o >= '0' && o <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (garde) {
            r += c;
        } else {
            r += '%';
            r += hexa[o >> 4];
            r += hexa[o & 0xF];
        }
    }
    return r;
}

std::string adresseweb(const std::string& lue, const std::string& repertoire) {
    if (adresseinternet(lue)) return lue;
    std::string dossier = repertoire;
    if (!dossier.empty() && dossier.back() != '/') dossier += '/';
    return urlfichier(dossier + "tolvanex.html");
}

std::string textepagenonouverte(const std::string& adresse) {
    constexpr std::string_view fichier = "file://";
    std::string page;
    if (adresse.starts_with(fichier)) {
        // Back from `urlfichier`: a browser's address bar takes the path as it is.
        const auto hexa = [](char c) {
            return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        };
        for (std::size_t i = fichier.size(); i < adresse.size(); ++i) {
            const int h = i + 2 < adresse.size() ? hexa(adresse[i + 1]) : -1,
                      b = i + 2 < adresse.size() ? hexa(adresse[i + 2]) : -1;
            if (adresse[i] == '%' && h >= 0 && b >= 0) {
                page += static_cast<char>(h * 16 + b);
                i += 2;
            } else {
                page += adresse[i];
            }
        }
    } else {
        page = adresse;
    }
    return "La page web ne s\u2019ouvre pas\u00A0: le programme «\u00A0xdg-open\u00A0» (paquet xdg-utils)\n"
           "est absent ou a échoué. Ouvrez-la dans votre navigateur\u00A0:\n" +
           page;
}

} // namespace tlv
