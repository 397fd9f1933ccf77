#include "belote/journal.h"

namespace tlv::belote {

void Journal::partie(int numero) {
    o_ << "partie n=" << numero << '\n';
}

void Journal::donne(int numero, int donneur, int retournee) {
    o_ << "donne n=" << numero << " donneur=" << donneur << " retournee=" << retournee << '\n';
}

void Journal::prise(int preneur, int atout) {
    o_ << "prise preneur=" << preneur << " atout=" << atout << '\n';
}

void Journal::annonces(int nous, int eux, int meilleur) {
    o_ << "annonces nous=" << nous << " eux=" << eux << " meilleur=" << meilleur << '\n';
}

void Journal::pli(int numpli, const std::array<std::int16_t, 5>& cartes, int gagnant, int nous, int eux) {
    o_ << "pli n=" << numpli << " cartes=" << cartes[1] << ',' << cartes[2] << ',' << cartes[3] << ','
       << cartes[4] << " gagnant=" << gagnant << " nous=" << nous << " eux=" << eux << '\n';
}

void Journal::fin(int nous, int eux, int totalnous, int totaleux, int reserve) {
    o_ << "fin nous=" << nous << " eux=" << eux << " total_nous=" << totalnous << " total_eux=" << totaleux
       << " reserve=" << reserve << '\n';
}

void Journal::resultat(int totalnous, int totaleux) {
    const char* qui = totalnous > totaleux ? "nous" : (totaleux > totalnous ? "eux" : "egalite");
    o_ << "resultat " << qui << " total_nous=" << totalnous << " total_eux=" << totaleux << '\n';
}

void Journal::illegale(int joueur, int carte, int numpli) {
    o_ << "illegal joueur=" << joueur << " carte=" << carte << " pli=" << numpli << '\n';
}

void JournalExplique::enchere(int joueur, int, const Raison& r) {
    attente_.push_back("# enchere " + std::to_string(joueur) + ' ' + std::string(identifiant(r.motif)) + ' ' +
                       r.phrase);
}

void JournalExplique::carte(int joueur, int carte, const Raison& r) {
    attente_.push_back("# carte " + std::to_string(joueur) + ' ' + std::to_string(carte) + ' ' +
                       std::string(identifiant(r.motif)) + ' ' + r.phrase);
}

void JournalExplique::prise(int preneur, int atout) {
    Journal::prise(preneur, atout);
    vide();
}

void JournalExplique::pli(int numpli, const std::array<std::int16_t, 5>& cartes, int gagnant, int nous,
                          int eux) {
    Journal::pli(numpli, cartes, gagnant, nous, eux);
    vide();
}

void JournalExplique::vide() {
    for (const auto& l : attente_) o_ << l << '\n';
    attente_.clear();
}

} // namespace tlv::belote
