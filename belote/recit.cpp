#include "belote/recit.h"

#include <algorithm>
#include <cctype>

#include "belote/carte.h"
#include "belote/donne.h"

namespace tlv::belote {

namespace {

bool dans(const Main& m, int premier, int dernier, int carte) {
    for (int s = premier; s <= dernier; ++s)
        if (m[static_cast<std::size_t>(s)] == carte) return true;
    return false;
}

// The cards each seat received after its first five, the turned card apart.
bool restes(const Recit& r, std::array<std::vector<int>, 5>& reste) {
    for (int j = 1; j <= 4; ++j)
        for (int s = 1; s <= 8; ++s) {
            const int c = r.mains[j][static_cast<std::size_t>(s)];
            if (!estcarte(c)) return false;
            if (!dans(r.premiere[j], 1, 5, c) && !(j == r.preneur && c == r.retournee))
                reste[static_cast<std::size_t>(j)].push_back(c);
        }
    return true;
}

// Cards 22..32 of a rigged deal: the seat after the dealer two, then three each; the taker's first of
// three is swapped with the turned card, so it is one the seat after the dealer ends with.
bool placereste(const Recit& r, std::array<int, 33>& k) {
    std::array<std::vector<int>, 5> reste;
    if (!restes(r, reste)) return false;
    const int d1 = apres(r.donneur, 1);
    auto& premier = reste[static_cast<std::size_t>(d1)];
    const int echange = r.preneur != d1 && !premier.empty() ? premier.front() : 0;
    if (echange) premier.erase(premier.begin());
    if (premier.size() != 2) return false;
    k[22] = premier[0], k[23] = premier[1];
    int i = 24;
    for (int decalage = 2; decalage <= 4; ++decalage) {
        const int j = apres(r.donneur, decalage);
        std::vector<int> trois = reste[static_cast<std::size_t>(j)];
        if (j == r.preneur) trois.insert(trois.begin(), echange);
        if (trois.size() != 3) return false;
        for (int c : trois) k[static_cast<std::size_t>(i++)] = c;
    }
    return true;
}

// A deal nobody took: the cards never dealt, in order.
void placenondistribuees(std::array<int, 33>& k) {
    std::array<bool, 48> vu{};
    for (int i = 1; i <= 21; ++i) vu[static_cast<std::size_t>(k[static_cast<std::size_t>(i)])] = true;
    int i = 22;
    for (int c = 10; c <= 47; ++c)
        if (estcarte(c) && !vu[static_cast<std::size_t>(c)]) k[static_cast<std::size_t>(i++)] = c;
}

} // namespace

std::string fauxjeudurecit(const Recit& r) {
    if (r.donneur < 1 || r.donneur > 4) return {};
    std::array<int, 33> k{};
    // The first 21 as a packet deal lays them: three each from the seat after the dealer, two each, then
    // the turned card.
    for (int i = 1; i <= 21; ++i) {
        int joueur = 0, slot = 0;
        if (i <= 12)
            joueur = apres(r.donneur, (i - 1) / 3 + 1), slot = (i - 1) % 3 + 1;
        else if (i <= 20)
            joueur = apres(r.donneur, (i - 13) / 2 + 1), slot = (i - 13) % 2 + 4;
        else
            joueur = apres(r.donneur, 1), slot = 6;
        k[static_cast<std::size_t>(i)] = r.premiere[joueur][static_cast<std::size_t>(slot)];
    }
    if (r.preneur == 0)
        placenondistribuees(k);
    else if (!placereste(r, k))
        return {};
    std::string texte;
    for (int i = 1; i <= 32; ++i) {
        const int c = k[static_cast<std::size_t>(i)];
        texte += static_cast<char>('0' + c / 10);
        texte += static_cast<char>('0' + c % 10);
    }
    return fauxjeuvalide(texte) ? texte : std::string();
}

std::string partage(const std::string& fauxjeu, int donneur) {
    return fauxjeu + "/" + std::to_string(donneur);
}

bool litpartage(const std::string& texte, std::string& fauxjeu, int& donneur) {
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && std::isspace(static_cast<unsigned char>(texte[debut]))) ++debut;
    while (fin > debut && std::isspace(static_cast<unsigned char>(texte[fin - 1]))) --fin;
    const std::string t = texte.substr(debut, fin - debut);
    if (t.size() != 66 || t[64] != '/' || t[65] < '1' || t[65] > '4') return false;
    if (!fauxjeuvalide(t.substr(0, 64))) return false;
    fauxjeu = t.substr(0, 64);
    donneur = t[65] - '0';
    return true;
}

void Enregistreur::partie(int numero) {
    if (suite_) suite_->partie(numero);
}

void Enregistreur::donne(int numero, int donneur, int retournee) {
    encours_ = Recit{};
    encours_.numero = numero;
    encours_.donneur = donneur;
    encours_.retournee = retournee;
    if (suite_) suite_->donne(numero, donneur, retournee);
}

void Enregistreur::distribution(const std::array<Main, 5>& jeu) {
    encours_.premiere = jeu;
    if (suite_) suite_->distribution(jeu);
}

void Enregistreur::mains(const std::array<Main, 5>& jeu) {
    encours_.mains = jeu;
    if (suite_) suite_->mains(jeu);
}

void Enregistreur::enchere(int joueur, int couleur, const Raison& raison) {
    encours_.encheres.push_back({joueur, couleur, raison});
    if (suite_) suite_->enchere(joueur, couleur, raison);
}

void Enregistreur::prise(int preneur, int atout) {
    encours_.preneur = preneur;
    encours_.atout = atout;
    if (suite_) suite_->prise(preneur, atout);
}

void Enregistreur::annonces(int nous, int eux, int meilleur) {
    if (suite_) suite_->annonces(nous, eux, meilleur);
}

void Enregistreur::carte(int joueur, int carte, const Raison& raison) {
    encours_.cartes.push_back({joueur, carte, raison});
    if (suite_) suite_->carte(joueur, carte, raison);
}

void Enregistreur::pli(int numpli, const std::array<std::int16_t, 5>& cartes, int gagnant, int nous,
                       int eux) {
    encours_.gagnants.push_back(gagnant);
    if (suite_) suite_->pli(numpli, cartes, gagnant, nous, eux);
}

void Enregistreur::fin(int nous, int eux, int totalnous, int totaleux, int reserve) {
    encours_.nous = nous, encours_.eux = eux;
    encours_.totalnous = totalnous, encours_.totaleux = totaleux;
    dernier_ = encours_;
    if (suite_) suite_->fin(nous, eux, totalnous, totaleux, reserve);
}

void Enregistreur::resultat(int totalnous, int totaleux) {
    if (suite_) suite_->resultat(totalnous, totaleux);
}

void Enregistreur::illegale(int joueur, int carte, int numpli) {
    if (suite_) suite_->illegale(joueur, carte, numpli);
}

} // namespace tlv::belote
