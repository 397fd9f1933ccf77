#!/usr/bin/env bash
# The game's costs at several screen sizes, full screen under Xvfb: the 640x480 screen (1x) against
# 1366x768, 1920x1080 and 3840x2160. For each: time to the first launcher frame, memory (VmHWM) at the
# launcher and after a game screen, CPU while waiting in the launcher, and the length of one card-slide step
# and one Memo flip step (compose and present, printed by TLV_CHRONO). Then the installed data's size.
# Needs a Release build and xvfb-run (apt-get install xvfb xauth).
# Usage: tools/mesures-ecrans.sh [build/bin [LxH ...]]   (sizes: only those, while iterating)
set -euo pipefail
bin="$(cd "${1:-build/bin}" && pwd)"
shift $(($# > 0 ? 1 : 0))
ecrans=("$@")
[[ ${#ecrans[@]} -gt 0 ]] || ecrans=(640x480 1366x768 1920x1080 3840x2160)
command -v xvfb-run >/dev/null || { echo "xvfb-run absent : apt-get install xvfb xauth" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Robot scripts (play-area coordinates): each action after the same script without it, so that the
# refreshes it adds are the last lines printed.
printf 'attends\n' >"$tmp/lanceur"
printf 'attends\nclic 400 100\nattends\nclic 320 135\nattends\n' >"$tmp/memo0"
cp "$tmp/memo0" "$tmp/memo"
printf 'clic 213 96\nattends\n' >>"$tmp/memo"  # turns the first card of the grid
printf 'attends\nclic 400 30\nattends\nclic 320 130\nattends\nclic 260 260\nattends\n' >"$tmp/belote0"
cp "$tmp/belote0" "$tmp/belote"
printf 'clic 105 470\nattends\n' >>"$tmp/belote"  # plays a card: it slides to the middle, the others follow

cat >"$tmp/mesure.sh" <<'FIN'
#!/usr/bin/env bash
# Runs inside one Xvfb screen; prints one line of figures.
set -uo pipefail
bin=$1 tmp=$2 ecran=$3
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
mediane() { sort -n | awk '{v[NR] = $1} END {if (NR) print v[int((NR + 1) / 2)]; else print "?"}'; }
robot() { # script, then extra arguments; stderr of the run on stdout
    TLV_CHRONO=1 TLV_ROBOT_AFFICHE=1 "$bin/tolvanex" --robot "$tmp/$1" --dossier-scores "$tmp/sc" --graine 7 \
        2>&1 >/dev/null
}
# The refresh lengths an action adds: the lines after those of the same script without it.
pas() {
    local n0
    n0=$(robot "${1}0" | grep -c '^chrono-pas')
    robot "$1" | awk '/^chrono-pas/ {print $2}' | tail -n +$((n0 + 1)) | mediane
}
premiere=$(for _ in 1 2 3 4 5; do robot lanceur | awk '/premiere image/ {print $2}'; done | mediane)

# Waiting in the launcher (clip and music running): a real run, not a robot.
"$bin/tolvanex" --dossier-scores "$tmp/repos" &
pid=$!
sleep 3
rsslanceur=$(awk '/^VmHWM/ {print $2}' /proc/$pid/status)
t1=$(awk '{print $14 + $15}' /proc/$pid/stat)
sleep 20
t2=$(awk '{print $14 + $15}' /proc/$pid/stat)
kill -TERM $pid
wait $pid
cpu=$(awk -v t=$((t2 - t1)) -v h="$(getconf CLK_TCK)" 'BEGIN {printf "%.2f", t * 100 / h / 20}')

# The Belote table after a deal: the high-water mark of the run, polled until it ends.
TLV_ROBOT_AFFICHE=1 "$bin/tolvanex" --robot "$tmp/belote0" --dossier-scores "$tmp/sc" --graine 7 >/dev/null 2>&1 &
pid=$!
rssjeu=0
while kill -0 $pid 2>/dev/null; do
    v=$(awk '/^VmHWM/ {print $2}' /proc/$pid/status 2>/dev/null || true)
    [[ -n "$v" && "$v" -gt "$rssjeu" ]] && rssjeu=$v
    sleep 0.01
done
wait $pid

printf '%-10s %9s ms %8s MiB %8s MiB %7s %% %9s ms %9s ms\n' "$ecran" "$premiere" \
    "$(awk -v k="$rsslanceur" 'BEGIN {printf "%.1f", k / 1024}')" \
    "$(awk -v k="$rssjeu" 'BEGIN {printf "%.1f", k / 1024}')" "$cpu" "$(pas belote)" "$(pas memo)"
FIN
chmod +x "$tmp/mesure.sh"

printf '%-10s %12s %12s %12s %9s %12s %12s\n' "écran" "1re image" "RSS lanceur" "RSS jeu" "CPU" \
    "pas glissé" "pas Memo"
for ecran in "${ecrans[@]}"; do
    xvfb-run -a -s "-screen 0 ${ecran}x24" "$tmp/mesure.sh" "$bin" "$tmp" "$ecran"
done
echo "(1re image : médiane de 5 lancements ; RSS : VmHWM ; CPU : % d'un cœur sur 20 s dans le lanceur ;"
echo " pas : médiane des rafraîchissements, composition et envoi, d'un glissé de carte et d'un retournement)"

# The installed data: every file the generator makes, and the help.
if [[ -x "$bin/tlv-assets" ]]; then
    mapfile -t fichiers < <("$bin/tlv-assets" --liste)
    octets=$(cd "$bin" && du -cb "${fichiers[@]}" tolvanex.hlp tolvanex.html | tail -1 | cut -f1)
    variantes=$(cd "$bin" && { ls -- *.[234]x 2>/dev/null || true; } | xargs -r du -cb | tail -1 | cut -f1)
    printf 'Données installées : %.1f Mo, dont %.1f Mo d'"'"'images 2x, 3x, 4x\n' \
        "$(awk -v o="$octets" 'BEGIN {print o / 1e6}')" "$(awk -v o="${variantes:-0}" 'BEGIN {print o / 1e6}')"
fi
