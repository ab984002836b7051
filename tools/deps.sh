# The Debian packages the games and their tests need, installed when some are missing.
# Sourced by ./play (the games' packages alone) and ./test (both lists).

GAME_PACKAGES="build-essential cmake qt6-base-dev qt6-translations-l10n libxcb1-dev libjpeg-dev libsdl2-mixer-dev fonts-liberation2
fonts-dejavu-core xdg-utils"
TEST_PACKAGES="libgtest-dev libbenchmark-dev xvfb xdotool imagemagick openbox x11-utils clang libclang-rt-14-dev"

# install_packages PACKAGE...: installs those not installed yet with apt-get, as root or through
# sudo, showing apt-get's progress; when that cannot be done, says what to install by hand and
# ends the calling script.
install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== Installing the Debian packages that are missing: ${missing[*]}"
    command -v apt-get >/dev/null || cannot_install "there is no apt-get here (these scripts are made for Debian 12)" "${missing[@]}"
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null ||
            cannot_install "apt-get must run as root, you are not root, and there is no sudo" "${missing[@]}"
        as_root=(sudo)
        echo "apt-get runs as root through sudo, which may ask for your password."
    fi
    "${as_root[@]}" apt-get update -q &&
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" ||
        cannot_install "${as_root[*]:+sudo }apt-get failed (its messages are above)" "${missing[@]}"
}

# cannot_install REASON PACKAGE...: says why the packages could not be installed and how to do it
# by hand, and ends the calling script.
cannot_install() {
    local reason=$1
    shift
    echo "Cannot install the missing packages: $reason." >&2
    echo "Install them as root (or ask the machine's administrator to), then run this command again:" >&2
    echo "    apt-get install --no-install-recommends $*" >&2
    exit 1
}
