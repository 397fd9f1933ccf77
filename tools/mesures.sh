#!/usr/bin/env bash
# Prints the platform's figures on this machine: time to the first frame, CPU while waiting for the
# player on each kind of waiting screen (per thread, and the X server's), length of a refresh; and, on the
# virtual clock without a display, what frames cost (pixels resampled, rectangles sent, clip frames sent
# again from memory), the rendered texts kept, the pages a freed picture gives back, the tune's wakes.
# Needs a Release build (./tolvanex.sh or cmake), Xvfb and xdotool for the figures with a display.
# Usage: tools/mesures.sh [build/bin]
#   MESURE_S=20       seconds measured on each waiting screen
#   MESURE_ECRANS=... only these screens (names of the table, separated by spaces)
#   MESURE_IMAGES=DIR an X dump (.xwd) of each screen as measured, to check what was reached
#   MESURE_AUDIO=pulseaudio  SDL's audio driver for the waiting screens (dummy unless given; jeu: the
#                     game's own choice, PipeWire's own driver first); the CPU and wakes of the sound
#                     server this session talks to are then printed too: every process of PipeWire
#                     (pipewire, pipewire-pulse, its session manager), or the PulseAudio owning the socket
set -euo pipefail
bin="$(cd "${1:-build/bin}" && pwd)"
tmp="$(mktemp -d)"
xpid=""
ppid_jeu=""
fin() {
    [ -n "$ppid_jeu" ] && kill -TERM "$ppid_jeu" 2>/dev/null
    [ -n "$xpid" ] && kill -TERM "$xpid" 2>/dev/null
    rm -rf "$tmp"
}
trap fin EXIT
printf 'attends\n' >"$tmp/script"
duree="${MESURE_S:-20}"

# Five launches with the video driver given; the times to the first frame, sorted.
cat >"$tmp/premiere.sh" <<FIN
#!/usr/bin/env bash
for _ in 1 2 3 4 5; do
    SDL_VIDEODRIVER=\$1 TLV_CHRONO=1 TLV_ROBOT_AFFICHE=1 SDL_AUDIODRIVER=dummy "$bin/tolvanex" --robot "$tmp/script" \\
        --dossier-scores "$tmp/sc" 2>&1 >/dev/null | awk '/premiere image/ {print \$2}'
done | sort -n | tr '\\n' ' '
echo "ms"
FIN
chmod +x "$tmp/premiere.sh"

echo "== Temps jusqu'à la première image du lanceur (5 lancements, triés)"
echo "sans affichage (pilote dummy) : $("$tmp/premiere.sh" dummy)"
echo "== Coûts d'une image, mémoire et son"
son_couts="${MESURE_AUDIO:-dummy}"
[ "$son_couts" = jeu ] && son_couts=""
(cd "$bin" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER="$son_couts" ./mesure-plateforme --couts)
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "(Xvfb ou xdotool absent : apt-get install xvfb xauth xdotool pour les mesures avec affichage)"
    exit 0
fi
echo "Xvfb 1920x1080, plein écran : $(xvfb-run -a -s '-screen 0 1920x1080x24' "$tmp/premiere.sh" x11)"

# Our own X server, so its process is known and measured.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$tmp/affichage" 2>/dev/null &
xpid=$!
for _ in $(seq 50); do [ -s "$tmp/affichage" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/affichage")"

# The play area on the full-screen window: scaled by min(W / 640, H / 480), centred.
lx=1920 ly=1080
# Display pixel under the centre of play-area pixel ($1, $2).
ecran_x() { awk -v a="$1" -v w=$lx -v h=$ly 'BEGIN {s = w / 640 < h / 480 ? w / 640 : h / 480; printf "%d", (w - 640 * s) / 2 + (a + 0.5) * s}'; }
ecran_y() { awk -v b="$1" -v w=$lx -v h=$ly 'BEGIN {s = w / 640 < h / 480 ? w / 640 : h / 480; printf "%d", (h - 480 * s) / 2 + (b + 0.5) * s}'; }

# Plays a robot-like script with real input: clic X Y (play-area pixels), touche KEY (X key name),
# texte STRING, dors SECONDS. Every input is followed by a short rest, as a player's would be.
joue() {
    while read -r cmd a b; do
        case "$cmd" in
        clic) xdotool mousemove "$(ecran_x "$a")" "$(ecran_y "$b")" click 1 ;;
        touche) xdotool key "$a" ;;
        texte) xdotool type --delay 120 "$a" ;;
        dors) sleep "$a" ;;
        "" | "#"*) continue ;;
        esac
        [ "$cmd" = dors ] || sleep 2
    done
}

# One line per thread: id, name, CPU time in ns, context switches.
releve() {
    for t in /proc/"$1"/task/*; do
        [ -r "$t/schedstat" ] || continue
        local ns cs nom
        ns=$(awk '{print $1}' "$t/schedstat" 2>/dev/null) || continue
        cs=$(awk '/ctxt_switches/ {s += $2} END {print s + 0}' "$t/status" 2>/dev/null) || continue
        nom=$(tr ' ' '_' <"$t/comm" 2>/dev/null) || continue
        echo "${t##*/} $nom $ns $cs"
    done
}

# The per-thread figures between two readings: "name CPU% wakeups/s", the process total, then X's.
compare() {
    awk -v d="$duree" -v xa="$3" -v xb="$4" '
        FNR == NR { ns[$1] = $3; cs[$1] = $4; next }
        {
            a = ($1 in ns) ? ns[$1] : 0; c = ($1 in cs) ? cs[$1] : 0
            p = ($3 - a) / (d * 1e7); tot += p
            out = out sprintf(" %s %.3f%% %.0f/s;", $2, p, ($4 - c) / d)
        }
        END {
            printf "%7.3f %% |%s | X %.3f %%\n", tot, out, (xb - xa) / (d * 1e7)
        }' "$1" "$2"
}

# CPU time in ns of every thread of process $1.
cpu() { awk '{s += $1} END {print s + 0}' /proc/"$1"/task/*/schedstat; }

# The process listening on the Unix socket at path $1, if any.
proprietaire() { ss -Hxlp src "$1" 2>/dev/null | sed -n 's/.*pid=\([0-9]*\).*/\1/p' | head -n1 || true; }

# The processes of the sound server this session talks to, found by the sockets they listen on, so a
# server of another session or account is never read: the PulseAudio owning the pulse socket; or PipeWire,
# whose pulse service owns that socket: pipewire, pipewire-pulse and the session manager of the same
# runtime folder, all together (the game talks to pipewire natively, or through pipewire-pulse).
serveur_de_son() {
    local run=${XDG_RUNTIME_DIR:-/run/user/$(id -u)} pulse pw p
    pulse=${PULSE_SERVER:-}
    pulse=${pulse#unix:}
    case $pulse in /*) ;; *) pulse=${PULSE_RUNTIME_PATH:-$run/pulse}/native ;; esac
    pulse=$(proprietaire "$pulse")
    if [ -n "$pulse" ] && [ "$(cat /proc/"$pulse"/comm)" = pulseaudio ]; then
        echo "$pulse"
        return
    fi
    pw=$(proprietaire "${PIPEWIRE_RUNTIME_DIR:-$run}/${PIPEWIRE_REMOTE:-pipewire-0}")
    [ -n "$pw" ] || return 0
    echo "$pw"
    [ -n "$pulse" ] && [ "$pulse" != "$pw" ] && echo "$pulse"
    for p in $(pgrep -u "$(id -u)" -x wireplumber) $(pgrep -u "$(id -u)" -x pipewire-media-); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$run" && echo "$p"
    done
    return 0
}

# One line per process of the sound server: id, name, CPU time in ns, context switches of all its threads.
releve_son() {
    local p
    for p in $serveur_son; do
        awk -v p="$p" -v nom="$(cat /proc/"$p"/comm)" '
            FILENAME ~ /schedstat$/ { ns += $1 }
            FILENAME ~ /status$/ && /ctxt_switches/ { cs += $2 }
            END { print p, nom, ns + 0, cs + 0 }' /proc/"$p"/task/*/schedstat /proc/"$p"/task/*/status
    done
}

# The sound server between two readings: its total CPU and wakes, then each process's.
compare_son() {
    awk -v d="$duree" '
        FNR == NR { ns[$1] = $3; cs[$1] = $4; next }
        {
            p = ($3 - ns[$1]) / (d * 1e7); r = ($4 - cs[$1]) / d; tp += p; tr += r
            out = out sprintf(" %s %.3f%% %.0f/s;", $2, p, r)
        }
        END { printf " | son %.3f %% %.0f/s (%s )", tp, tr, out }' "$1" "$2"
}

audio="${MESURE_AUDIO:-dummy}"
serveur_son=""
if [ "$audio" != dummy ]; then
    serveur_son=$(serveur_de_son)
    if [ -n "$serveur_son" ]; then
        echo "Serveur de son mesuré :$(for p in $serveur_son; do printf ' %s (%s)' "$(cat /proc/"$p"/comm)" "$p"; done)"
    else
        echo "(aucun serveur de son trouvé pour cette session : son non mesuré)"
    fi
fi

mesure() {
    local nom="$1" script="$2"
    if [ -n "${MESURE_ECRANS:-}" ] && [[ " $MESURE_ECRANS " != *" $nom "* ]]; then return; fi
    rm -rf "$tmp/sc"
    local pilote=(env SDL_AUDIODRIVER="$audio")
    [ "$audio" = jeu ] && pilote=(env -u SDL_AUDIODRIVER)
    "${pilote[@]}" SDL_VIDEODRIVER=x11 "$bin/tolvanex" --graine 7 --dossier-scores "$tmp/sc" >/dev/null 2>&1 &
    ppid_jeu=$!
    sleep 3
    joue <<<"$script"
    sleep 3
    [ -n "${MESURE_IMAGES:-}" ] && mkdir -p "$MESURE_IMAGES" && xwd -root -silent >"$MESURE_IMAGES/$nom.xwd"
    local xa xb son=""
    releve "$ppid_jeu" >"$tmp/avant"
    releve_son >"$tmp/son-avant"
    xa=$(cpu "$xpid")
    sleep "$duree"
    releve "$ppid_jeu" >"$tmp/apres"
    releve_son >"$tmp/son-apres"
    xb=$(cpu "$xpid")
    [ -n "$serveur_son" ] && son=$(compare_son "$tmp/son-avant" "$tmp/son-apres")
    printf '%-16s %s%s\n' "$nom" "$(compare "$tmp/avant" "$tmp/apres" "$xa" "$xb")" "$son"
    kill -TERM "$ppid_jeu"
    wait "$ppid_jeu" || true
    ppid_jeu=""
}

belote="clic 400 30
clic 320 130
dors 15"
echo "== Processeur pendant l'attente du joueur, sur $duree s, son $audio (programme entier | par fil : CPU, réveils | serveur X)"
mesure lanceur ""
mesure belote-enchere "$belote"
mesure belote-carte "$belote
clic 260 260
dors 15"
mesure memo "clic 400 100
clic 320 135
clic 213 95"
mesure quadrel "clic 400 170
clic 320 130
texte un
touche Return"
mesure aide "clic 400 370"
mesure dialogue "clic 400 100
clic 320 205
clic 195 420"
mesure lanceur-muet "touche F8"
mesure aide-muet "touche F8
clic 400 370"
mesure memo-muet "touche F8
clic 400 100
clic 320 135
clic 213 95"
mesure quadrel-muet "touche F8
clic 400 170
clic 320 130
texte un
touche Return"
mesure belote-carte-muet "touche F8
$belote
clic 260 260
dors 15"

echo "== Durée de monrefresh et d'une image entière"
env SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 "$bin/mesure-plateforme" --durees
