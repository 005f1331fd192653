#!/usr/bin/env bash
# Installs what is missing on a Debian machine, builds, and then runs the
# program or the tests.   Usage: scripts/tarnwick.sh run|test|build
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build"
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libicu-dev libgl-dev libgtest-dev libbenchmark-dev libcsv-dev
          clang libclang-rt-14-dev xvfb xauth xdotool libx11-dev fonts-liberation2 fonts-dejavu-core)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_WERROR=$werror >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

run_program() {
    cd "$build/run"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec ./tarnwickdemo
    fi
    exec xvfb-run -a ./tarnwickdemo
}

run_tests() {
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600
    # The same tests again built by clang with AddressSanitizer and
    # UndefinedBehaviorSanitizer, plus the fuzz targets (label "fuzz").
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
          -DTARNWICK_SANITIZE=ON -DTARNWICK_FUZZ=ON -DTARNWICK_BENCH=OFF -DTARNWICK_WERROR=$werror >/dev/null
    cmake --build "$here/build-asan" -j "$(nproc)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS=suppressions="$here/fuzz/lsan.supp" \
        ctest --test-dir "$here/build-asan" --output-on-failure -j "$(nproc)" --timeout 900
    # The engine alone under ThreadSanitizer (clang), for its threaded test:
    # no program, only the engine's tests (label "engine").
    cmake -S "$here" -B "$here/build-tsan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
          -DTARNWICK_BUILD_APP=OFF -DTARNWICK_BENCH=OFF -DTARNWICK_TSAN=ON -DTARNWICK_WERROR=$werror >/dev/null
    cmake --build "$here/build-tsan" -j "$(nproc)" --target veskor32_tests
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
        ctest --test-dir "$here/build-tsan" -L engine --output-on-failure -j "$(nproc)" --timeout 900
}

case "${1:-}" in
    run) install_missing; configure_and_build; run_program ;;
    test) install_missing; configure_and_build; run_tests ;;
    build) install_missing; configure_and_build ;;
    *) echo "usage: $0 run|test|build" >&2; exit 2 ;;
esac
