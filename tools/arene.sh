#!/usr/bin/env bash
# The Belote levels against each other, by belote-sim's arena: one line per comparison with the matches
# played, the wins of the level on test, its win rate with a 95 % interval (Wilson's; the two halves of a
# mirrored pair deal the same first hand, so the interval is a guide, not an exact bound), the points per
# match of both sides and the decision times of the levels other than Classique.
# Usage: tools/arene.sh [PATH/TO/belote-sim]      (build/bin/belote-sim by default; runs on one core)
#   ARENE_PAIRES=100    mirrored pairs per comparison (two matches each); the reference plays as many matches
#   ARENE_GRAINE=1      the seed of every comparison, so that they deal alike
#   ARENE_PARTIE_EN=1000  the match's target
set -euo pipefail
sim=${1:-build/bin/belote-sim}
paires=${ARENE_PAIRES:-100}
graine=${ARENE_GRAINE:-1}
partieen=${ARENE_PARTIE_EN:-1000}

ligne() {
    local titre=$1 parties=$2
    shift 2
    local sortie
    sortie=$("$sim" --graine "$graine" --parties "$parties" --partie-en "$partieen" --silencieux "$@" | grep '^arene ')
    echo "$sortie" | awk -v titre="$titre" '{
        for (i = 2; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
        n = v["parties"]; w = v["victoires_nord_sud"]; p = n > 0 ? w / n : 0; z = 1.96
        c = (p + z * z / (2 * n)) / (1 + z * z / n)
        h = z * sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n)
        printf "%-44s %7d %7d %6.1f %%  [%5.1f ; %5.1f] %8.0f %8.0f %8.3f %8.3f\n", titre, n, w, 100 * p,
               100 * (c - h), 100 * (c + h), v["points_nord_sud"] / n, v["points_est_ouest"] / n,
               v["ms_decision_p50"], v["ms_decision_p95"]
    }'
}

printf "%-44s %7s %7s %8s  %15s %8s %8s %8s %8s\n" "comparaison (niveau testé contre Classique)" parties \
    victoires taux "IC 95 %" pts_test pts_adv ms_p50 ms_p95
ligne "Fort contre Classique, en miroir" "$paires" --niveau-nord-sud fort --miroir
ligne "Nord Fort et Sud Classique, en miroir" "$paires" --niveau-nord fort --miroir
ligne "Nord et Sud Classique (référence, sans miroir)" $((2 * paires)) --niveau-nord-sud classique
ligne "Débutant contre Classique, en miroir" "$paires" --niveau-nord-sud debutant --miroir
