#!/usr/bin/env python3
"""Plants small faults (mutants) in the pure modules, one at a time, and tells which ones no test catches.

usage: tools/mutants.py [BUILD_DIR] [--filtre TEXTE] [--delai S] [--liste]

BUILD_DIR (default `build`) must be a configured CMake build of this tree. For each mutant the tool edits
the source file, rebuilds only the test programs that link it (fastest first, stopping at the first one
that fails), runs them, and always puts the file back. At the end it rebuilds what it touched, so the
build holds the real code again. A snippet no longer found in its file is reported as stale and fails the
run as a missed mutant does: a refactor that drops a planted fault must refresh it. Not run by test.sh or
CI.
"""

import argparse
import contextlib
import json
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

RACINE = Path(__file__).resolve().parent.parent

# (file, exact original snippet, replacement, what the fault is). Each snippet must occur once in its file.
MUTANTS = [
    # Quadrel path search.
    ("quadrel/regles/chemin.cpp", "c >= 0 && c <= 9 && r", "c >= 0 && c < 9 && r",
     "le tour du plateau oublie la colonne 9"),
    ("quadrel/regles/chemin.cpp", "return c >= 0 &&", "return c > 0 &&",
     "le tour du plateau oublie la colonne 0"),
    ("quadrel/regles/chemin.cpp", "r >= 0 && r <= 5;", "r >= 0 && r < 5;",
     "le tour du plateau oublie la ligne 5"),
    ("quadrel/regles/chemin.cpp", "dr[4] = {-1, 1, 0, 0}", "dr[4] = {1, -1, 0, 0}",
     "ordre des recherches : bas avant haut"),
    ("quadrel/regles/chemin.cpp", "if (Case{c, r} == b) return Chemin{};", "if (Case{c, r} == b) break;",
     "ligne droite sans virage non reconnue"),
    ("quadrel/regles/chemin.cpp", "phase < 4; ++phase", "phase < 3; ++phase",
     "pas de recherche vers la droite"),
    ("quadrel/regles/chemin.cpp",
     "if (!libre(g, c, r)) return std::nullopt;\n    }\n    const Case coin2",
     "}\n    const Case coin2",
     "premier virage a travers une carte"),
    ("quadrel/regles/chemin.cpp",
     "return Chemin{p, coin2};\n        if (!libre(g, c, r)) return std::nullopt;",
     "return Chemin{p, coin2};",
     "dernier segment a travers une carte"),
    ("quadrel/regles/chemin.cpp", "std::abs(a.r - b.r) <= 1", "std::abs(a.r - b.r) < 1",
     "voisines : les cases en diagonale ou au-dessus oubliees"),
    ("quadrel/regles/chemin.cpp", "            if (k == b) return cases;\n", "",
     "les etapes du trait comptent la case d'arrivee"),
    # Raster operations.
    ("platform/surface.cpp", "fill(dst, x, y + h - 1, w, 1, couleur);", "fill(dst, x, y + h, w, 1, couleur);",
     "bord bas du cadre une ligne trop bas"),
    ("platform/surface.cpp", "fill(dst, x + w - 1, y, 1, h, couleur);", "fill(dst, x + w, y, 1, h, couleur);",
     "bord droit du cadre une colonne trop loin"),
    ("platform/surface.cpp", "std::min(w_, r.x + r.w)", "std::min(w_, r.x + r.w - 1)",
     "decoupe : une colonne de moins"),
    ("platform/surface.cpp", "x >= clip_.x + clip_.w", "x > clip_.x + clip_.w",
     "metpixel ecrit juste a droite de la decoupe"),
    ("platform/surface.cpp", "return d & s;", "return d | s;",
     "SrcAnd pixel par pixel (etirement, facteurs melanges) fait un OU"),
    ("platform/surface.cpp", "return d & s;", "return s;",
     "SrcAnd pixel par pixel (etirement, facteurs melanges) copie la source"),
    ("platform/surface.cpp", "for (int i = 0; i < n; ++i) d[i] &= s[i];",
     "for (int i = 0; i < n; ++i) d[i] = s[i];", "bitblt SrcAnd copie le masque"),
    ("platform/surface.cpp", "w += sx;\n        x -= sx;", "w += sx;\n        x += sx;",
     "bitblt : source a gauche de 0 mal decoupee"),
    ("platform/surface.cpp", "&dst == &src && y > sy", "&dst == &src && y < sy",
     "bitblt : copie qui se chevauche dans le mauvais sens"),
    ("platform/surface.cpp", "c.x + c.w - x});", "c.x + c.w - x + 1});",
     "bitblt deborde d'une colonne a droite de la decoupe"),
    ("platform/surface.cpp", "if (miroir) u = SW - 1 - u;", "if (miroir) u = SW - u;",
     "stretchblt en miroir decale d'un pixel"),
    # Scale of the play area and the mouse mapped back to it.
    ("platform/echelle.cpp", "(2LL * (x - aire.x) + 1) * 640", "(2LL * x + 1) * 640",
     "souris : la bande noire de gauche oubliee"),
    ("platform/echelle.cpp", "(2LL * (x - aire.x) + 1) * 640", "(2LL * (x - aire.x)) * 640",
     "souris : le coin du pixel de l'ecran au lieu de son centre"),
    ("platform/echelle.cpp", "(2LL * (y - aire.y) + 1) * 480", "(2LL * (y - aire.x) + 1) * 480",
     "souris : axes echanges, l'ordonnee decalee de la bande de gauche"),
    ("platform/echelle.cpp", "decalagey + division_basse", "decalagex + division_basse",
     "souris : axes echanges, l'ordonnee decalee comme l'abscisse sur un petit ecran"),
    ("platform/echelle.cpp", "-((-a + b - 1) / b)", "a / b",
     "souris : juste avant l'aire compte comme son premier pixel"),
    ("platform/echelle.cpp", "const bool large = W * 480LL >= H * 640LL;",
     "const bool large = W * 640LL >= H * 480LL;", "aire : largeur et hauteur echangees pour le cote plein"),
    ("platform/echelle.cpp", "std::lround(H * 640.0 / 480.0)", "static_cast<int>(H * 640.0 / 480.0)",
     "aire : largeur tronquee au lieu d'arrondie"),
    ("platform/echelle.cpp", "e.aire.y = (H - e.aire.h) / 2;", "e.aire.y = 0;",
     "aire collee en haut au lieu d'etre centree"),
    ("platform/echelle.cpp", "std::ceil(s - 1e-6)", "std::lround(s)", "facteur de rendu arrondi au plus proche"),
    ("platform/source_sdl.cpp", "e.x = ev.motion.x, e.y = ev.motion.y;\n        p.vers_logique(e.x, e.y);",
     "e.x = ev.motion.x, e.y = ev.motion.y;", "souris : deplacement en pixels de la fenetre"),
    ("platform/source_sdl.cpp", "bouton_de(ev.button.button);\n        p.vers_logique(e.x, e.y);",
     "bouton_de(ev.button.button);", "souris : clic en pixels de la fenetre"),
    # Memo board.
    ("memo/regles/plateau.cpp", "return {12, 2, 6};", "return {12, 1, 6};", "niveau 6x4 : premiere colonne fausse"),
    ("memo/regles/plateau.cpp", "return a >= 0 && b >= 0 &&", "return a >= 0 &&", "une place vide fait une paire"),
    ("memo/regles/plateau.cpp", "(a == b + 16 || b == a + 16)", "(a == b + 16)",
     "paire reconnue dans un seul ordre"),
    ("memo/regles/plateau.cpp", "(y - grilley) / HauteurCarte + 1", "(y - grilley) / HauteurCarte",
     "place sous la souris decalee d'une ligne"),
    ("memo/regles/plateau.cpp", "(p.vue(a) ? penalitememo : 0) + (p.vue(b) ? penalitememo : 0)",
     "(p.vue(a) || p.vue(b) ? penalitememo : 0)", "penalite : une seule quand les deux cartes sont vues"),
    ("memo/regles/plateau.cpp", "at(p, b.c, b.r) = -1;", "at(p, a.c, b.r) = -1;",
     "la seconde carte de la paire retiree dans la mauvaise colonne"),
    # Score files.
    ("scores/fichierscores.cpp", "if (temps < t[static_cast<std::size_t>(i)].temps)",
     "if (temps <= t[static_cast<std::size_t>(i)].temps)", "Memo : un temps egal passe devant"),
    ("scores/fichierscores.cpp", "{ return a.temps < b.temps; }", "{ return a.temps > b.temps; }",
     "Memo : classement a l'envers"),
    ("scores/fichierscores.cpp", "a.tableau > b.tableau : a.temps", "a.tableau < b.tableau : a.temps",
     "Quadrel : moins de tableaux classe devant"),
    ("scores/fichierscores.cpp", "tempscumule < s.temps)", "tempscumule <= s.temps)",
     "Quadrel : un temps egal passe devant"),
    ("scores/fichierscores.cpp", "for (int i = n - 1; i >= rang; --i)", "for (int i = n - 1; i > rang; --i)",
     "insertion : une ligne ecrasee au lieu d'etre decalee"),
    ("scores/fichierscores.cpp", "deux((s % 3600) / 60)", "deux(s / 60)", "heures : minutes au-dela de 59"),
    ("scores/fichierscores.cpp", "octets.size() >= 17 &&", "octets.size() > 17 &&",
     "Quadrel : ligne de 17 octets exactement refusee"),
    ("scores/fichierscores.cpp",
     "if (fixe && blancs.find(nom.back()) != std::string_view::npos) return fixe;",
     "if (fixe) return fixe;", "Memo : nom qui remplit le champ lu sans voir le temps decale"),
    # Files and encodings.
    ("shell/fichiers.cpp", "(c >= 0xA0 && c <= 0xFF)", "(c > 0xA0 && c <= 0xFF)",
     "cp1252 : espace insecable perdue"),
    ("socle/chaines.cpp", "if (b >= 0xC2 && b <= 0xDF)", "if (b >= 0xC0 && b <= 0xDF)",
     "utf8 : debut de sequence trop longue accepte"),
    # Dropping the surrogate check changes nothing seen: no Windows-1252 byte stands for one, so a
    # surrogate reads as '?' either way. The overlong check is the one whose loss shows.
    ("socle/chaines.cpp", "mini = 0x800;", "mini = 0;", "utf8 : forme trop longue de trois octets acceptee"),
    ("shell/fichiers.cpp", "octets.remove_prefix(bom.size());", "octets.remove_prefix(1);",
     "marque d'ordre des octets mal retiree"),
    ("shell/fichiers.cpp", "o.entier = o.octets.size() <= limite;", "o.entier = o.octets.size() < limite;",
     "fichier de la taille limite dit incomplet"),
    ("shell/fichiers.cpp", "if (!o.absent) l.entiere =", "l.entiere =",
     "fichier absent dit illisible"),
    ("shell/fichiers.cpp", "&& S_ISREG(avant.st_mode)) ::fchmod(fd, avant.st_mode & 07777);",
     "&& S_ISREG(avant.st_mode)) ::fchmod(fd, 0600);", "fichier reecrit : droits d'acces perdus"),
    # Belote rules.
    ("belote/annonces.cpp",
     "} else if (h == force[j] && couleur(haut) == t.atout) {\n                    enatout[j] = true;\n"
     "                }", "}", "deux suites egales : la seconde a l'atout oubliee"),
    ("belote/annonces.cpp", "{0, 0, 1, 3, 4, 5, 2, 6}", "{0, 0, 1, 3, 4, 5, 6, 2}",
     "hauteur des suites : dix et as echanges"),
    ("belote/annonces.cpp", "if (n >= 3 && trouvees < 2)", "if (n > 3 && trouvees < 2)", "tierce oubliee"),
    ("belote/annonces.cpp", "suite[n - garde + k]", "suite[k]",
     "suite de plus de cinq : les plus basses gardees"),
    ("belote/annonces.cpp", "{valet, neuf, as, dix, roi, dame}", "{neuf, valet, as, dix, roi, dame}",
     "carre de neuf avant carre de valets"),
    ("belote/annonces.cpp", "if (force[j] > force[gagnant]) gagnant = j;",
     "if (force[j] >= force[gagnant]) gagnant = j;", "egalite : le dernier joueur gagne"),
    ("belote/annonces.cpp", "if (partenaires(j, gagnant))", "if (!partenaires(j, gagnant))",
     "egalite entre partenaires prise pour une egalite entre camps"),
    ("belote/annonces.cpp", "a.valannonce[1] + a.valannonce[3]", "a.valannonce[1]",
     "annonce du partenaire non comptee"),
    ("belote/legalite.cpp", "return v > vmaitre ||", "return v >= vmaitre ||", "surcoupe par un atout egal"),
    ("belote/legalite.cpp", "if (partenairemaitre || couleur(", "if (couleur(",
     "obligation de surcouper son partenaire"),
    ("belote/legalite.cpp", "if (partenairemaitre) return Legalite::permise;\n", "",
     "obligation de couper quand le partenaire est maitre"),
    ("belote/requetes.cpp", "(val == valgagnante && carte > gagnante)",
     "(val == valgagnante && carte < gagnante)",
     "huit d'atout battu par le sept"),
    ("belote/requetes.cpp", "return !atoutc && couleur(carte) == couleur(gagnante) && carte > gagnante;",
     "return !atoutc && carte > gagnante;", "une autre couleur bat la couleur demandee"),
    ("belote/donne.cpp", "slot = (k - 13) % 2 + 4;", "slot = (k - 13) % 2 + 3;",
     "donne par paquets : deux cartes posees sur la troisieme"),
    ("belote/donne.cpp", "joueur = apres(d, (k - 22) / 3 + 2);", "joueur = apres(d, (k - 22) / 3 + 1);",
     "reste de la donne : mauvais premier joueur"),
    ("belote/donne.cpp", "if (!estcarte(c) || vu[", "if (!estcarte(c) && vu[",
     "faux jeu : carte en double ou inconnue acceptee"),
    ("belote/enchere.cpp", "if (n == 2) return avecvalet && avecneuf ? Motif::prend_valet_neuf : Motif::passe_deux;",
     "if (n == 2) return avecvalet || avecneuf ? Motif::prend_valet_neuf : Motif::passe_deux;",
     "prend a deux atouts avec le valet seul"),
    ("belote/compte.cpp", "(cotenous(t.maitre) ? nous : eux) += 10;", "(cotenous(t.maitre) ? nous : eux) += 20;",
     "dix de der compte 20"),
    ("belote/compte.cpp", "(nous <= eux ? eux : nous) += retenu;", "(nous <= eux ? nous : eux) += retenu;",
     "points en reserve donnes au perdant"),
    # Name entry of a best score.
    ("scores/saisie.cpp", "if (nombrecaracteres(texte_) >= longueurmaxnom) break;",
     "if (nombrecaracteres(texte_) > longueurmaxnom) break;", "saisie du nom : un dixieme caractere accepte"),
    ("scores/saisie.cpp", "if (curseur_ == 0) return true;\n", "",
     "saisie du nom : effacement avant le debut"),
    ("scores/saisie.cpp", "if (e < ecart) meilleur = k", "if (e <= ecart) meilleur = k",
     "saisie du nom : clic au milieu d'un caractere place apres lui"),
    ("scores/nom.cpp", "c <= 0xFE && c != 0xF7)", "c <= 0xFE)", "saisie du nom : le signe de division mis en majuscule"),
    ("scores/nom.cpp", "b == 0x9D || b == 0xA0)", "b == 0x9D)", "saisie du nom : espace insecable acceptee"),
    # Start-up repair of the score folder.
    ("shell/creefichiers.cpp", ": a.st_mtim.tv_nsec >= b.st_mtim.tv_nsec;", ": a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;",
     "reprise au demarrage : tlvtempo de la meme date jete"),
    ("shell/creefichiers.cpp", "|| !(octets->empty() || octets->ends_with(\"\\r\\n\"))) return;", ") return;",
     "reprise au demarrage : tlvtempo incomplet repris"),
    ("shell/creefichiers.cpp", "if (errno != ENOENT) return;", "return;",
     "reprise au demarrage : tlvtempo ignore sans parties sauvees"),
    ("shell/creefichiers.cpp", "case Stockage::Presence::illisible:\n            return false;",
     "case Stockage::Presence::illisible:\n            break;",
     "reprise au demarrage : un fichier illisible n'arrete pas"),
    ("shell/fichiers.cpp", "chiffres(suite.substr(0, tiret)) &&\n           chiffres(suite.substr(tiret + 1));",
     "chiffres(suite.substr(0, tiret));", "reprise au demarrage : un fichier etranger pris pour un temporaire"),
    # Settings files.
    ("shell/parametres.cpp", "if (entier >= tempobelotemin && entier <= tempobelotemax)",
     "if (entier > tempobelotemin && entier <= tempobelotemax)", "lecture des reglages : Belote au minimum refuse"),
    ("shell/parametres.cpp", "*v <= tempomemomax * 10)", "*v < tempomemomax * 10)",
     "lecture des reglages : Memo au maximum refuse"),
    ("shell/parametres.cpp", "    if (i != ligne.size()) return std::nullopt;\n", "",
     "lecture des reglages : suite apres le nombre ignoree"),
    ("shell/niveaux.cpp", "if (lignes->size() == 2 &&", "if (lignes->size() >= 2 &&",
     "lecture des reglages : niveaux avec une ligne de trop acceptes"),
    ("shell/choixfenetre.cpp", "return n >= mini && n <=", "return n > mini && n <=",
     "lecture des reglages : fenetre a la taille minimale refusee"),
    # The computer's Belote card and bids.
    ("belote/choix.cpp", "if (r >= SuitAppel && x != a)", "if (r >= SuitAppel)",
     "appel du partenaire suivi a l'atout"),
    ("belote/choix.cpp", "SuitAppel = 4;", "SuitAppel = 3;", "appel du partenaire suivi trois fois sur cinq"),
    ("belote/choix.cpp", "if (t.numcarte == 2) return {premiere", "if (t.numcarte == 3) return {premiere",
     "le troisieme joue en bas, le second cherche a prendre"),
    ("belote/choix.cpp", "if (n + tombes == CartesParCouleur) return {};",
     "if (n + tombes > CartesParCouleur) return {};", "tire l'atout quand personne d'autre n'en a"),
    ("belote/choix.cpp", "t.plusdatout[precedent(joueur)] == 1 && t.plusdatout[suivant(joueur)] == 1",
     "t.plusdatout[precedent(joueur)] == 1 || t.plusdatout[suivant(joueur)] == 1",
     "renonce a tirer l'atout quand un seul adversaire n'en a plus"),
    ("belote/choix.cpp", "atoutentre(t, joueur, vw + 1, SousLeNeuf)", "atoutentre(t, joueur, vw, SousLeNeuf)",
     "surcoupe avec un atout qui ne monte pas"),
    ("belote/enchere.cpp", "c <= coeur && !avecas", "c < coeur && !avecas", "enchere : l'as de coeur oublie"),
    ("belote/enchere.cpp", "if (s == retournee) continue;", "if (s == retournee - 1) continue;",
     "second tour : la couleur retournee reprise"),
    ("belote/enchere.cpp", "if (avecneuf && avecas) return Motif::prend_neuf_as;\n", "",
     "trois atouts avec le neuf et un as : passe"),
    ("belote/debutant.cpp", "Grosse = 10;", "Grosse = 11;", "debutant : donne un dix a l'adversaire"),
    ("belote/flux_jeu.cpp", "t.emportepli(cotenous(gagnant));", "t.emportepli(!cotenous(gagnant));",
     "pli emporte sur la pile des perdants"),
    # Deal editor of the Belote table.
    ("belote_table/special.cpp", "if (button != bouton::Gauche) return;",
     "if (button != bouton::Gauche && button != bouton::Droit) return;",
     "l'editeur de donne accepte le clic droit"),
]


class Arret(Exception):
    """SIGTERM or SIGHUP: leave as cleanly as on Ctrl-C."""


def signal_arret(_signum, _frame):
    raise Arret()


@contextlib.contextmanager
def sans_interruption():
    """Holds Ctrl-C and kill signals while a source file is written, so it is never left half written."""
    masque = {signal.SIGINT, signal.SIGTERM, signal.SIGHUP}
    ancien = signal.pthread_sigmask(signal.SIG_BLOCK, masque)
    try:
        yield
    finally:
        signal.pthread_sigmask(signal.SIG_SETMASK, ancien)


class Sauvegarde:
    """A copy of the file being mutated, in the build folder: a run killed outright (kill -9, power cut)
    is repaired by the next one."""

    def __init__(self, build, racine):
        self.copie = build / "mutants-original"
        self.nom = self.copie.with_suffix(".chemin")
        self.racine = racine

    def repare(self):
        if self.nom.exists() and self.copie.exists():
            chemin = self.racine / self.nom.read_text()
            with sans_interruption():
                chemin.write_bytes(self.copie.read_bytes())
                self.oublie()
            print(f"mutants: {chemin} remis en place (un passage précédent a été tué)", file=sys.stderr)

    def garde(self, fichier, octets):
        self.copie.write_bytes(octets)
        self.nom.write_text(fichier)

    def oublie(self):
        self.nom.unlink(missing_ok=True)
        self.copie.unlink(missing_ok=True)


def execute(cmd, cwd=None, env=None, delai=None):
    """Runs cmd in its own process group; returns (code, seconds, output tail). Code None on timeout."""
    debut = time.monotonic()
    p = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         start_new_session=True)
    try:
        sortie, _ = p.communicate(timeout=delai)
        code = p.returncode
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        sortie, _ = p.communicate()
        code = None
    except BaseException:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        raise
    return code, time.monotonic() - debut, sortie.decode(errors="replace")[-3000:]


class Construction:
    """What the CMake build knows: which test programs link which source file, and how to run them."""

    def __init__(self, build):
        self.build = build
        requete = build / ".cmake/api/v1/query/codemodel-v2"
        requete.parent.mkdir(parents=True, exist_ok=True)
        requete.touch()
        code, _, sortie = execute(["cmake", str(build)])
        if code != 0:
            sys.exit(f"mutants: cmake {build} a échoué\n{sortie}")
        self._lit_modele()
        self._lit_tests()

    def _lit_modele(self):
        reponse = self.build / ".cmake/api/v1/reply"
        index = json.loads(max(reponse.glob("index-*.json")).read_text())
        fichier = next(o["jsonFile"] for o in index["objects"] if o["kind"] == "codemodel")
        modele = json.loads((reponse / fichier).read_text())
        self.source = Path(modele["paths"]["source"])
        cibles = [json.loads((reponse / t["jsonFile"]).read_text())
                  for t in modele["configurations"][0]["targets"]]
        par_artefact = {}
        for c in cibles:
            for a in c.get("artifacts", []):
                par_artefact[os.path.normpath(self.build / a["path"])] = c["name"]
        self.sources = {c["name"]: {s["path"] for s in c.get("sources", [])} for c in cibles}
        self.liees = {}  # executable -> libraries on its link line (CMake lists them transitively)
        self.artefact = {}
        for c in cibles:
            if c["type"] != "EXECUTABLE":
                continue
            self.artefact[c["name"]] = os.path.normpath(self.build / c["artifacts"][0]["path"])
            dossier = self.build / c["paths"]["build"]
            libs = set()
            for f in c.get("link", {}).get("commandFragments", []):
                if f["role"] == "libraries":
                    nom = par_artefact.get(os.path.normpath(dossier / f["fragment"]))
                    if nom:
                        libs.add(nom)
            self.liees[c["name"]] = libs

    def _lit_tests(self):
        sortie = subprocess.run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"],
                                capture_output=True, check=True).stdout
        tests = json.loads(sortie)["tests"]
        executable = {v: k for k, v in self.artefact.items()}
        # Per program: a GoogleTest program is run whole, directly; other CTest lines by name.
        self.gtest, self.autres = {}, {}
        for t in tests:
            cmd = t.get("command") or []
            nom = executable.get(os.path.normpath(cmd[0])) if cmd else None
            if nom is None:
                continue
            props = {p["name"]: p["value"] for p in t.get("properties", [])}
            if any(a.startswith("--gtest_filter=") for a in cmd[1:]):
                self.gtest[nom] = (props.get("WORKING_DIRECTORY"), props.get("ENVIRONMENT", []))
            else:
                self.autres.setdefault(nom, []).append(t["name"])

    def programmes(self, fichier):
        """The test programs whose link line holds `fichier`."""
        proprietaires = {n for n, s in self.sources.items() if fichier in s}
        return sorted(n for n in set(self.gtest) | set(self.autres)
                      if n in proprietaires or self.liees.get(n, set()) & proprietaires)

    def construit(self, cibles, delai):
        return execute(["cmake", "--build", str(self.build), "-j2", "--target", *cibles], delai=delai)

    def lance(self, nom, delai):
        """Runs one test program (or its CTest lines); True when every test passed."""
        if nom in self.gtest:
            dossier, env_test = self.gtest[nom]
            env = dict(os.environ)
            env.update(e.split("=", 1) for e in env_test)
            code, duree, sortie = execute([self.artefact[nom], "--gtest_brief=1"], cwd=dossier, env=env,
                                          delai=delai)
        else:
            motif = "^(" + "|".join(re.escape(n) for n in self.autres[nom]) + ")$"
            code, duree, sortie = execute(["ctest", "--test-dir", str(self.build), "-R", motif],
                                          delai=delai)
        return code == 0, duree, sortie


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("build", nargs="?", default="build", help="dossier de construction CMake (build)")
    ap.add_argument("--filtre", default="",
                    help="seulement les mutants dont le fichier ou le texte contient ceci")
    ap.add_argument("--delai", type=float, default=0,
                    help="secondes au plus pour un programme de test "
                         "(défaut : 3 fois son temps normal + 20)")
    ap.add_argument("--liste", action="store_true", help="affiche la liste et s'arrête")
    args = ap.parse_args()

    choisis = [m for m in MUTANTS if args.filtre in m[0] or args.filtre in m[3]]
    if args.liste:
        for f, _, _, quoi in choisis:
            print(f"{f}: {quoi}")
        return 0
    build = Path(args.build).resolve()
    if not (build / "CMakeCache.txt").exists():
        sys.exit(f"mutants: {build} n'est pas un dossier de construction CMake (cmake -S . -B {args.build})")
    for s in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, signal_arret)

    cm = Construction(build)
    if cm.source != RACINE:
        print(f"mutants: attention, {build} construit {cm.source}, pas {RACINE}", file=sys.stderr)
    racine = cm.source
    sauvegarde = Sauvegarde(build, racine)
    sauvegarde.repare()

    # Reference run on the real code: every program must pass, and its time sets its timeout.
    programmes = sorted({p for m in choisis for p in cm.programmes(m[0])})
    print(f"Construction et passage de référence : {' '.join(programmes)}", flush=True)
    code, _, sortie = cm.construit(programmes, None)
    if code != 0:
        sys.exit(f"mutants: la construction du code réel échoue\n{sortie}")
    temps = {}
    for p in programmes:
        ok, duree, sortie = cm.lance(p, 1800)
        if not ok:
            sys.exit(f"mutants: {p} échoue sur le code réel ; rien n'est mesurable\n{sortie}")
        temps[p] = duree

    resultats = []  # (mutant, verdict, detail)
    touches = set()
    debut = time.monotonic()
    try:
        for i, m in enumerate(choisis, 1):
            fichier, avant, apres, quoi = m
            chemin = racine / fichier
            texte = chemin.read_bytes().decode() if chemin.exists() else ""
            n = texte.count(avant)
            if n != 1:
                verdict, detail = "périmé", "texte introuvable" if n == 0 else f"texte trouvé {n} fois"
            else:
                progs = sorted(cm.programmes(fichier), key=lambda p: temps.get(p, 0))
                verdict, detail = "manqué", ", ".join(progs) or "aucun programme de test ne lie ce fichier"
                try:
                    with sans_interruption():
                        sauvegarde.garde(fichier, texte.encode())
                        chemin.write_bytes(texte.replace(avant, apres).encode())
                    for p in progs:
                        touches.add(p)
                        code, _, sortie = cm.construit([p], 900)
                        if code != 0:
                            erreurs = [l for l in sortie.splitlines() if "error" in l] or [""]
                            verdict, detail = "invalide", "ne compile pas : " + erreurs[0].strip()[:200]
                            break
                        delai = args.delai or 3 * temps[p] + 20
                        ok, duree, _ = cm.lance(p, delai)
                        if not ok:
                            verdict = "détecté"
                            depasse = ", délai dépassé" if duree >= delai else ""
                            detail = f"par {p} ({duree:.1f} s{depasse})"
                            break
                finally:
                    with sans_interruption():
                        chemin.write_bytes(texte.encode())
                        sauvegarde.oublie()
            resultats.append((m, verdict, detail))
            print(f"[{i}/{len(choisis)}] {verdict:8} {fichier}: {quoi} — {detail}", flush=True)
    except (KeyboardInterrupt, Arret):
        print("\nmutants: interrompu ; les fichiers sont remis en place", file=sys.stderr)
    finally:
        if touches:
            print("Reconstruction du code réel…", flush=True)
            code, _, sortie = cm.construit(sorted(touches), None)
            if code != 0:
                print(f"mutants: la reconstruction a échoué ; relancez cmake --build {args.build}\n"
                      f"{sortie}",
                      file=sys.stderr)

    compte = lambda v: [r for r in resultats if r[1] == v]
    detectes, manques = compte("détecté"), compte("manqué")
    perimes, invalides = compte("périmé"), compte("invalide")
    total = len(detectes) + len(manques)
    print(f"\n{len(detectes)} détectés sur {total}"
          + (f" ({100 * len(detectes) / total:.0f} %)" if total else "")
          + f", {len(manques)} manqués, {len(perimes)} périmés, {len(invalides)} invalides"
          + f" — {time.monotonic() - debut:.0f} s")
    listes = (("Manqués", manques), ("Périmés (à rafraîchir)", perimes), ("Invalides", invalides))
    for titre, liste in listes:
        if liste:
            print(f"{titre} :")
            for (f, _, _, quoi), _, detail in liste:
                print(f"  {f}: {quoi} ({detail})")
    return 1 if manques or invalides or perimes else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (KeyboardInterrupt, Arret):
        sys.exit(130)
