#!/bin/sh
# The desktop entry, the metainfo and the man pages as the distribution's own checkers see them: any
# remark, even a pedantic one, fails.
#   valide.sh DESKTOP METAINFO PAGE...
set -u
desktop=$1 metainfo=$2
shift 2
echecs=0
signale() {
    echo "ÉCHEC : $1" >&2
    echo "$2" >&2
    echecs=$((echecs + 1))
}
r=$(desktop-file-validate "$desktop" 2>&1)
code=$?
if [ $code -ne 0 ] || [ -n "$r" ]; then signale "desktop-file-validate $desktop" "$r"; fi
r=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1)
code=$?
if [ $code -ne 0 ] || printf '%s\n' "$r" | grep -q '^[EWIP]: '; then signale "appstreamcli $metainfo" "$r"; fi
for page in "$@"; do
    r=$(LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$r" ] || signale "man --warnings $page" "$r"
    # French typography: a blank (\~ in the source) before ; : ! ?, addresses apart.
    case $page in
    */fr/*)
        r=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep -nE '[^[:space:]][;:!?]' | grep -v '://')
        [ -z "$r" ] || signale "pas d'espace avant ; : ! ? dans $page" "$r"
        ;;
    esac
done
exit $((echecs != 0))
