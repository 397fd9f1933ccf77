#pragma once
// The visible texts, each named after what it says; the values are the ids the table is filled by.
#include <array>
#include <cstddef>
#include <string>

namespace tlv {

enum class Texte : int {
    Menu = 1,
    Jouer = 2,
    MenuPrincipal = 3,
    ContinuerLaPartie = 4,
    NouvellePartie = 5,
    PartieEn = 6,
    Aide = 7,
    NomsDesSieges = 8, // four fields of five characters, South first
    Distribue = 9,
    VousDistribuez = 10,
    VousPassez = 11,
    VousPrenez = 12,
    Passe = 13,
    Prend = 14,
    DeuxiemeTour = 15,
    Atout = 16,
    Vous = 17,
    Eux = 18,
    Tierce = 19,
    Cinquante = 20,
    Cent = 21,
    Carre = 22,
    Annonce = 23,
    DAnnonces = 24,
    AVous = 25,
    DixDeDer = 26,
    Egalite = 27,
    VousPerdez = 28,
    VousGagnez = 29,
    IlsSont = 30,
    VousEtes = 31,
    Capots = 32,
    Belote = 33, // the announcement
    Rebelote = 34,
    LaPartie = 35,
    Montre = 36,
    Son = 37,
    Sa = 38,
    LesAnnonces = 39,
    SAnnulent = 40,
    AvecAnnonces = 41,
    SansAnnonces = 42,
    NomsDesRangs = 43,    // eight fields of two characters
    NomsDesCouleurs = 44, // four fields of seven characters, spades first
    JeuBelote = 45,       // the games' names on the launcher
    JeuMemo = 46,
    JeuQuadrel = 47,
    Quitter = 48,
    Niveau = 49,
    EntrezVotreNom = 50,
    TableauDesScoresNiveau = 51,
    EffacerLesScores = 52,
    Retour = 53,
    Scores = 54,
    Tableau = 55,
    TableauDesScores = 56,
    EntrezLeNomDeVotrePartie = 57,
    CeNomExisteDeja = 58,
    Felicitations = 59,
    VousAvezTermineTous = 60,
    LesTableauxDuJeu = 61,
    EffacerLaPartie = 62,
    ConfirmezLEffacementDe = 63,
    DernierPli = 64,
    // 65..70 hold a placeholder that is never shown.
    DossierVoix = 71,
};

// The table of texts, read by name.
class Textes {
  public:
    static constexpr std::size_t Taille = 72; // ids 1..71; 0 unused

    const std::string& operator[](Texte t) const { return liste_[indice(t)]; }
    std::string& operator[](Texte t) { return liste_[indice(t)]; }

  private:
    static std::size_t indice(Texte t) { return static_cast<std::size_t>(t); }
    std::array<std::string, Taille> liste_{};
};

// How a notice that waits for the player is ended, said under it.
inline constexpr const char* PourContinuer = "Cliquez ou appuyez sur Entrée pour continuer";

// The fixed French texts, UTF-8.
const Textes& textes_fixes();

// Field n (1-based) of width `largeur` in a text that packs several names (seats, ranks, suits).
std::string champ(const std::string& texte, int n, int largeur);
// The same without the blanks around it.
std::string champ_nu(const std::string& texte, int n, int largeur);

} // namespace tlv
