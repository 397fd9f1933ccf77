#include "assets/produits.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "assets/effets.h"
#include "assets/feuilles.h"
#include "assets/fichier.h"
#include "assets/icone.h"
#include "assets/lanceur.h"
#include "assets/menus.h"
#include "assets/musique.h"
#include "assets/plateaux.h"
#include "assets/png.h"
#include "assets/tables.h"
#include "assets/voix.h"

namespace tlv {

namespace {

void ecrittexte(const std::string& chemin, const std::string& s) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(provisoire(chemin).c_str(), "wb"), std::fclose);
    if (!f || std::fwrite(s.data(), 1, s.size(), f.get()) != s.size() || std::fclose(f.release()) != 0)
        throw std::runtime_error("impossible d'écrire " + chemin);
    valide(chemin);
}

std::string nomnumero(const char* prefixe, int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%s%02d", prefixe, n);
    return b;
}

// Windows-1252, as the game reads it. No address: the web button opens the page shipped with the game.
std::string fichierweb() {
    return "; Page ouverte par le bouton \xAB\xA0"
           "Acc\xE8s au site web\xA0\xBB\xA0: une adresse http ou https.\r\n"
           "; Sans adresse, le jeu ouvre sa page hors ligne, tolvanex.html.\r\n"
           "[siteconf]\r\n"
           "url=\r\n";
}

// Name of a picture's variant drawn k times finer, beside the 1x file: "cartei03.2x".
std::string variante(const std::string& nom, int k) {
    return k == 1 ? nom : nom + "." + std::to_string(k) + "x";
}

// The larger pictures are compressed less hard: level 9 costs twice the time for a few per cent.
void ecritpng(int k, const std::string& chemin, const Image& img) {
    tlv::ecritpng(chemin, img, false, k == 1 ? 9 : 6);
}

// Every picture the game loads, drawn k times finer.
void images(std::vector<Produit>& r, int k) {
    auto v = [k](const char* nom) { return variante(nom, k); };
    r.push_back({v("cartei08"),
                 [v, k](const std::string& d) {
                     Feuilles f = feuillesdecartes(k);
                     ecritpng(k, d + "/" + v("cartei08"), f.sprites);
                     ecritpng(k, d + "/" + v("cartei07"), f.masques);
                 },
                 {v("cartei07")}});
    r.push_back({v("cartei00"),
                 [v, k](const std::string& d) { ecritpng(k, d + "/" + v("cartei00"), imagelanceur(k)); }});
    r.push_back({v("cartei03"),
                 [v, k](const std::string& d) { ecritpng(k, d + "/" + v("cartei03"), tablebelote(k)); }});
    r.push_back({v("cartef00"),
                 [v, k](const std::string& d) { ecritpng(k, d + "/" + v("cartef00"), cliplanceur(k)); }});
    r.push_back({v("cartei01"),
                 [v, k](const std::string& d) { ecritpng(k, d + "/" + v("cartei01"), tablememo(k)); }});
    r.push_back({v("cartei02"),
                 [v, k](const std::string& d) { ecritpng(k, d + "/" + v("cartei02"), tablequadrel(k)); }});
    r.push_back({v("cartei04"), [v, k](const std::string& d) {
                     ecritpng(k, d + "/" + v("cartei04"), fondmenu(Menu::memo, k));
                 }});
    r.push_back({v("cartei05"), [v, k](const std::string& d) {
                     ecritpng(k, d + "/" + v("cartei05"), fondmenu(Menu::quadrel, k));
                 }});
    r.push_back({v("cartei06"), [v, k](const std::string& d) {
                     ecritpng(k, d + "/" + v("cartei06"), fondmenu(Menu::belote, k));
                 }});
    r.push_back({v("cartei09"),
                 [v, k](const std::string& d) { ecritpng(k, d + "/" + v("cartei09"), fondscore(k)); }});
    r.push_back(
        {v("cartei10"), [v, k](const std::string& d) { ecritpng(k, d + "/" + v("cartei10"), fondnom(k)); }});
}

std::vector<Produit> liste() {
    std::vector<Produit> r;
    // The larger pictures take longest: they go first.
    for (int k : {4, 3, 2}) images(r, k);
    for (int m = 0; m <= 3; ++m) {
        std::string nom = nomnumero("cartem", m);
        r.push_back(
            {nom, [nom, m](const std::string& d) { ecritogg(d + "/" + nom, joue(morceau(m)), 7100 + m); }});
    }
    for (int place = 0; place < 4; ++place) {
        std::vector<std::string> fichiers;
        for (const Mot& m : motsdutable())
            fichiers.push_back(std::string("voix.fr/") + m.fichier + std::to_string(place) + ".wav");
        std::string premier = fichiers.front();
        fichiers.erase(fichiers.begin());
        r.push_back({premier, [place](const std::string& d) { voixduneplace(d, place); }, fichiers});
    }
    r.push_back({"cartei08",
                 [](const std::string& d) {
                     Feuilles f = feuillesdecartes();
                     ecritpng(d + "/cartei08", f.sprites);
                     ecritpng(d + "/cartei07", f.masques);
                 },
                 {"cartei07"}});
    r.push_back({"cartei03", [](const std::string& d) { ecritpng(d + "/cartei03", tablebelote()); }});
    r.push_back({"cartei01", [](const std::string& d) { ecritpng(d + "/cartei01", tablememo()); }});
    r.push_back({"cartei02", [](const std::string& d) { ecritpng(d + "/cartei02", tablequadrel()); }});
    r.push_back({"cartei04", [](const std::string& d) { ecritpng(d + "/cartei04", fondmenu(Menu::memo)); }});
    r.push_back(
        {"cartei05", [](const std::string& d) { ecritpng(d + "/cartei05", fondmenu(Menu::quadrel)); }});
    r.push_back(
        {"cartei06", [](const std::string& d) { ecritpng(d + "/cartei06", fondmenu(Menu::belote)); }});
    r.push_back({"cartei09", [](const std::string& d) { ecritpng(d + "/cartei09", fondscore()); }});
    r.push_back({"cartei10", [](const std::string& d) { ecritpng(d + "/cartei10", fondnom()); }});
    r.push_back({"cartei00", [](const std::string& d) { ecritpng(d + "/cartei00", imagelanceur()); }});
    r.push_back({"cartef00", [](const std::string& d) { ecritpng(d + "/cartef00", cliplanceur()); }});
    for (int e = 0; e <= 9; ++e) {
        std::string nom = nomnumero("cartew", e);
        r.push_back(
            {nom, [nom, e](const std::string& d) { ecritwav(d + "/" + nom, effet(e), effetstereo(e)); }});
    }
    r.push_back(
        {"cartet00", [](const std::string& d) { ecrittexte(d + "/cartet00", fichierplateaux(plateaux())); }});
    r.push_back({"tlvweb.ini", [](const std::string& d) { ecrittexte(d + "/tlvweb.ini", fichierweb()); }});
    std::vector<std::string> icones;
    for (int t : taillesicone()) icones.push_back("icones/tolvanex-" + std::to_string(t) + ".png");
    r.push_back({"icones/tolvanex.svg", ecriticones, icones});
    return r;
}

} // namespace

const std::vector<Produit>& produits() {
    static const std::vector<Produit> r = liste();
    return r;
}

} // namespace tlv
