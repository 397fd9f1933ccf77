#!/usr/bin/env bash
# Prints the platform's figures on this machine: time to the first frame, CPU while waiting for the
# player, length of a refresh. Needs a Release build (./tolvanex.sh or cmake) and xvfb-run for a display.
# Usage: tools/mesures.sh [build/bin]
set -euo pipefail
bin="$(cd "${1:-build/bin}" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
printf 'attends\n' >"$tmp/script"

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
if command -v xvfb-run >/dev/null; then
    echo "Xvfb 1920x1080, plein écran : $(xvfb-run -a -s '-screen 0 1920x1080x24' "$tmp/premiere.sh" x11)"

    echo "== Processeur pendant l'attente du joueur (lanceur : clip animé et musique)"
    cat >"$tmp/repos.sh" <<FIN
#!/usr/bin/env bash
SDL_AUDIODRIVER=dummy "$bin/tolvanex" --dossier-scores "$tmp/repos" &
pid=\$!
sleep 3
t1=\$(awk '{print \$14+\$15}' /proc/\$pid/stat)
sleep 20
t2=\$(awk '{print \$14+\$15}' /proc/\$pid/stat)
ms=\$(( (t2 - t1) * 1000 / \$(getconf CLK_TCK) ))
echo "CPU sur 20 s : \$ms ms, soit \$(awk -v m=\$ms 'BEGIN { printf "%.2f", m / 200 }') % d'un cœur"
kill -TERM \$pid
wait \$pid && echo "arrêt propre sur SIGTERM (code 0)"
FIN
    chmod +x "$tmp/repos.sh"
    xvfb-run -a -s '-screen 0 1920x1080x24' "$tmp/repos.sh"

    echo "== Durée de monrefresh et d'une image entière"
    xvfb-run -a -s '-screen 0 1920x1080x24' env SDL_AUDIODRIVER=dummy "$bin/mesure-plateforme"
else
    echo "(xvfb-run absent : apt-get install xvfb xauth pour les mesures avec affichage)"
fi
