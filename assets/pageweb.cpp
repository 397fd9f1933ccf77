#include "assets/pageweb.h"

#include <vector>

namespace tlv {

namespace {

struct Bloc {
    enum Sorte { titre, paragraphe, liste } sorte;
    std::vector<std::string> textes; // one for a heading or a paragraph, one per item for a list
};

std::vector<Bloc> blocs(std::string_view aide) {
    std::vector<Bloc> r;
    bool ouvert = false; // the last block takes the next plain line
    std::size_t debut = 0;
    while (debut <= aide.size()) {
        auto fin = aide.find('\n', debut);
        if (fin == std::string_view::npos) fin = aide.size();
        std::string_view ligne = aide.substr(debut, fin - debut);
        debut = fin + 1;
        if (ligne.ends_with('\r')) ligne.remove_suffix(1);
        if (ligne.find_first_not_of(" \t") == std::string_view::npos) {
            ouvert = false;
        } else if (ligne.starts_with("# ")) {
            r.push_back({Bloc::titre, {std::string(ligne.substr(2))}});
            ouvert = false;
        } else if (ligne.starts_with("- ") || ligne.starts_with("* ")) {
            if (!ouvert || r.back().sorte != Bloc::liste) r.push_back({Bloc::liste, {}});
            r.back().textes.emplace_back(ligne.substr(2));
            ouvert = true;
        } else if (ouvert) {
            r.back().textes.back().append(1, ' ').append(ligne);
        } else {
            r.push_back({Bloc::paragraphe, {std::string(ligne)}});
            ouvert = true;
        }
        if (fin == aide.size()) break;
    }
    return r;
}

constexpr const char* Style = R"(
body { margin: 0; background: #08361f; color: #eee8d2; font: 17px/1.55 "DejaVu Sans", Verdana, sans-serif; }
main { max-width: 46em; margin: 0 auto; padding: 1.5em 1.5em 3em; }
h1 { color: #00ffff; text-shadow: 1px 1px 0 #009999; font-size: 2.4em; margin: .4em 0 .2em; }
h2 { color: #00ffff; text-shadow: 1px 1px 0 #007878; border-bottom: 1px solid #b09650; padding-bottom: .15em;
     margin-top: 1.8em; }
nav { border: 1px solid #b09650; outline: 1px solid #605028; outline-offset: 2px; padding: .6em 1.2em;
      background: #0b4427; }
nav ol { columns: 2; margin: .3em 0; }
a { color: #7fffff; }
li { margin: .2em 0; }
footer { margin-top: 3em; font-size: .85em; color: #b7b09a; }
)";

} // namespace

std::string echappehtml(std::string_view texte) {
    std::string r;
    for (const char c : texte) {
        switch (c) {
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        case '"':
            r += "&quot;";
            break;
        default:
            r += c;
        }
    }
    return r;
}

std::string pageweb(std::string_view aide) {
    const auto b = blocs(aide);
    std::string titre = "Tolva\u2019nexes";
    std::size_t premier = 0;
    if (!b.empty() && b.front().sorte == Bloc::titre) {
        titre = b.front().textes.front();
        premier = 1;
    }
    std::string sommaire, corps;
    int section = 0;
    for (std::size_t i = premier; i < b.size(); ++i) {
        const Bloc& x = b[i];
        switch (x.sorte) {
        case Bloc::titre: {
            const std::string id = std::to_string(++section);
            const std::string t = echappehtml(x.textes.front());
            sommaire.append("<li><a href=\"#s").append(id).append("\">").append(t).append("</a></li>\n");
            corps.append("<h2 id=\"s").append(id).append("\">").append(t).append("</h2>\n");
            break;
        }
        case Bloc::paragraphe:
            corps.append("<p>").append(echappehtml(x.textes.front())).append("</p>\n");
            break;
        case Bloc::liste:
            corps += "<ul>\n";
            for (const auto& t : x.textes) corps.append("<li>").append(echappehtml(t)).append("</li>\n");
            corps += "</ul>\n";
            break;
        }
    }
    std::string page = "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    page.append(echappehtml(titre)).append("</title>\n<style>").append(Style);
    page.append("</style>\n</head>\n<body>\n<main>\n<h1>").append(echappehtml(titre)).append("</h1>\n");
    if (!sommaire.empty()) page.append("<nav>\n<ol>\n").append(sommaire).append("</ol>\n</nav>\n");
    page += corps;
    page +=
        "<footer>Cette page est fournie avec le jeu et se lit sans connexion.</footer>\n</main>\n</body>\n"
        "</html>\n";
    return page;
}

} // namespace tlv
