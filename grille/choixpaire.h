#pragma once
// The clicks that choose a pair on the grid tables of Memo and Quadrel: the loop waits for a first card and
// shows it chosen, then waits for a second one; while a chosen card is being shown, clicks are lost. The
// Menu label under the grid answers only while a card is awaited.

namespace tlv {

// The Menu label's hot area under the grid.
constexpr bool surmenu(int x, int y) {
    return x > 243 && x < 397 && y > 437 && y < 474;
}

// A table's click states name, besides its own, the four steps of a try and the state of no loop waiting.
template <class Etat>
concept EtatsDeChoix = requires {
    Etat::Libre;
    Etat::AttendPremiere;
    Etat::PremiereChoisie;
    Etat::AttendSeconde;
    Etat::SecondeChoisie;
};

template <EtatsDeChoix Etat, class Cellule> class ChoixPaire {
  public:
    // What a click means now.
    Etat etatclic = Etat::Libre;
    Cellule carte1, carte2;
    bool survol = false; // the Menu label is drawn highlighted

    // A card is awaited: a click on a card chooses it, and the Menu label opens the menu.
    bool carteattendue() const { return etatclic == Etat::AttendPremiere || etatclic == Etat::AttendSeconde; }

    // A click on `k`, a cell holding a card: the first card, or a second one other than the first.
    void choisit(Cellule k) {
        if (etatclic == Etat::AttendPremiere) {
            carte1 = k;
            etatclic = Etat::PremiereChoisie;
        } else if (etatclic == Etat::AttendSeconde && k != carte1) {
            carte2 = k;
            etatclic = Etat::SecondeChoisie;
        }
    }

    // Puts the loop in `attente` and lets `attend` give way to events until a click, the menu or the clock
    // moves it on; returns where it went.
    template <class Attente> Etat attendcarte(Etat attente, Attente attend) {
        etatclic = attente;
        while (etatclic == attente) attend();
        return etatclic;
    }

    // The mouse at (x, y): true when the Menu label's highlight changes, to be drawn again.
    bool suitsurvol(int x, int y) {
        const bool dessus = surmenu(x, y);
        if (dessus == survol) return false;
        survol = dessus;
        return true;
    }
};

} // namespace tlv
