# Installs the Debian packages the games and their tests need, when some are missing.
# Sourced by ./play and ./test.

GAME_PACKAGES="build-essential cmake qt6-base-dev qt6-translations-l10n libxcb1-dev libjpeg-dev libsdl2-mixer-dev fonts-liberation2
fonts-dejavu-core xdg-utils libgtest-dev"
TEST_PACKAGES="libbenchmark-dev xvfb xdotool imagemagick openbox x11-utils clang libclang-rt-14-dev"

install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
