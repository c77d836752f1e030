#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Run as root it installs what is missing; otherwise it names the command.
set -euo pipefail

packages=(
    g++ make cmake              # tool chain
    qt6-base-dev                # Qt 6 Core, Gui, Widgets, Test
    qt6-translations-l10n       # Qt's own Czech texts, built into the program
    zlib1g-dev                  # zlib and gzip layer data of Tiled maps (Qt's own zlib is no public API)
    fonts-dejavu-core           # any font, so text can be laid out offscreen
    fonts-dejavu-extra          # the condensed face the file dialogs' fixed layouts need
    xvfb xdotool                # the end-to-end tests: a real X server and input
    clang libclang-rt-14-dev    # the fuzz target (libFuzzer, sanitizers)
    valgrind                    # the benchmarks count instructions with callgrind
    dpkg-dev lintian            # make deb, and its test with the validators
    desktop-file-utils          #   desktop-file-validate
    appstream                   #   appstreamcli
    tiled                       # the tests open the exported maps in Tiled and tmxrasterizer, and run the extension
    git                         # the test of room files' text form in git diff
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "Missing Debian packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
