#!/usr/bin/env bash
# Sets up, builds and runs Tovaki备忘录 on Debian.
#   bash build.sh run    install what is missing, build, start the program from its program folder
#   bash build.sh test   install what is missing, build, run every test (starts its own Xvfb)
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}
PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-image-formats-plugins libgl-dev
    libsqlite3-dev sqlite3 libbenchmark-dev libjpeg-turbo-progs
    fonts-wqy-microhei fontconfig fcitx5-frontend-qt6
    xvfb xauth xdotool x11-utils
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

free_display() {
    local n
    for n in $(seq 90 150); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return
        fi
    done
    return 1
}

run_tests() {
    local display xvfb_pid rc=0
    display=$(free_display)
    Xvfb ":$display" -screen 0 1920x1080x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        xdpyinfo -display ":$display" >/dev/null 2>&1 && break
        sleep 0.1
    done
    DISPLAY=":$display" ctest --test-dir "$BUILD_DIR" --output-on-failure || rc=$?
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    trap - EXIT
    return $rc
}

case "${1:-}" in
run)
    install_missing
    build
    exec "$BUILD_DIR/program/tovaki"
    ;;
test)
    install_missing
    build
    run_tests
    ;;
*)
    echo "usage: bash build.sh run|test" >&2
    exit 2
    ;;
esac
