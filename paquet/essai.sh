#!/bin/sh
# Installs the built game as a player would get it, checks what the desktop needs is in place, then runs
# the installed copy by robot (TLV_DATADIR unset: it must find its data by itself) and compares its
# screens with the build tree's.
#   essai.sh installe BUILD VERSION PROGRAMMES   cmake --install to a scratch prefix
#   essai.sh paquet   BUILD VERSION PROGRAMMES   cpack -G DEB, lintian, dpkg-deb -x into a scratch root
# PROGRAMMES is where the programs go under the prefix (bin or games).
set -eu
mode=$1 build=$2 version=$3 programmes=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

case $mode in
installe)
    cmake --install "$build" --prefix "$tmp/racine" >/dev/null
    prefixe=$tmp/racine
    ;;
paquet)
    (cd "$build" && cpack -G DEB -B "$tmp/cpack" >"$tmp/cpack.txt" 2>&1) || { cat "$tmp/cpack.txt"; echec "cpack"; }
    deb=$tmp/cpack/tolvanex_${version}_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || echec "pas de $(basename "$deb") : $(ls "$tmp/cpack")"
    champ() { dpkg-deb -f "$deb" "$1"; }
    # Section games only for the games layout: lintian refuses it for a package without /usr/games.
    section=misc
    [ "$programmes" = games ] && section=games
    [ "$(champ Section)" = $section ] || echec "section $(champ Section), attendue $section"
    depends=$(champ Depends)
    for p in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0 fonts-dejavu-core; do
        case ", $depends," in *", $p"[\ ,]*) ;; *) echec "Depends sans $p : $depends" ;; esac
    done
    # Build-time tools and data stay out.
    for p in espeak-ng librsvg kdegames-card-data vorbis-tools fonts-urw-base35 libgtest; do
        case "$depends" in *"$p"*) echec "Depends nomme $p : $depends" ;; esac
    done
    # No error, and none of Debian's hardening missing (those are shown as information only).
    lintian -I --tag-display-limit 0 "$deb" >"$tmp/lintian.txt" 2>&1 || true
    if grep -qE '^E:|: hardening-' "$tmp/lintian.txt"; then
        cat "$tmp/lintian.txt"
        echec "lintian"
    fi
    dpkg-deb -x "$deb" "$tmp/racine"
    prefixe=$tmp/racine/usr
    ;;
*) echec "mode inconnu : $mode" ;;
esac

# What the desktop needs: the entry's program, its icon at every size, metainfo and man pages.
entree=$prefixe/share/applications/tolvanex.desktop
[ -f "$entree" ] || echec "pas d'entrée de bureau"
exec_=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entree")
icone=$(sed -n 's/^Icon=//p' "$entree")
[ -x "$prefixe/$programmes/$exec_" ] || echec "Exec=$exec_ absent de $programmes/"
[ -x "$prefixe/$programmes/tolvanex-belote-sim" ] || echec "tolvanex-belote-sim absent"
for t in 16 24 32 48 64 128 256 512; do
    [ -f "$prefixe/share/icons/hicolor/${t}x$t/apps/$icone.png" ] || echec "icône $icone ${t}x$t absente"
done
[ -f "$prefixe/share/icons/hicolor/scalable/apps/$icone.svg" ] || echec "icône $icone.svg absente"
[ -f "$prefixe/share/metainfo/tolvanex.metainfo.xml" ] || echec "metainfo absent"
for m in man6/tolvanex.6.gz fr/man6/tolvanex.6.gz man6/tolvanex-belote-sim.6.gz; do
    [ -f "$prefixe/share/man/$m" ] || echec "page de manuel $m absente"
done
ls "$prefixe/share/doc/tolvanex/captures/"*.png >/dev/null 2>&1 || echec "pas de captures dans la documentation"

# The same screens from both copies: the launcher, then the help (it reads tolvanex.hlp).
essai() {
    mkdir -p "$tmp/$1"
    printf 'attends\ncapture %s/lanceur.png\nclic 400 370\nattends\ncapture %s/aide.png\n' "$tmp/$1" "$tmp/$1" \
        >"$tmp/$1/script.txt"
    code=0
    env -u TLV_DATADIR SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$2" --robot "$tmp/$1/script.txt" \
        --dossier-scores "$tmp/$1" >"$tmp/$1/sortie.txt" 2>"$tmp/$1/erreurs.txt" || code=$?
    [ $code -eq 0 ] || { cat "$tmp/$1/erreurs.txt"; echec "$2 a rendu $code"; }
}
essai installe "$prefixe/$programmes/tolvanex"
essai construit "$build/bin/tolvanex"
for f in lanceur.png aide.png sortie.txt; do
    cmp -s "$tmp/installe/$f" "$tmp/construit/$f" || echec "$f diffère entre la copie installée et la construction"
done
echo "ok ($mode)"
