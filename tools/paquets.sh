# Shared by tolvanex.sh and test.sh: installs the missing Debian packages listed in packages.txt.
installe_paquets() {
    local manque=()
    local p
    while read -r p; do
        case "$p" in '' | '#'*) continue ;; esac
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manque+=("$p")
    done <"$(dirname "$0")/packages.txt"
    [ ${#manque[@]} -eq 0 ] && return 0
    echo "Installation des paquets manquants : ${manque[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manque[@]}"
}
