# Shared by scripts/run and scripts/test: packages, configure and build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="${OVRA_BUILD_DIR:-$root/build}"

packages=(
    g++ cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-webengine-dev libgl-dev libcups2-dev
    libsqlite3-dev libgtest-dev
    fonts-liberation
    fonts-wqy-microhei  # Han, kana and Hangul for names, which Liberation lacks
)
# Only the tests need these.
test_packages=(
    msmtp  # the mail tests relay through it to a listener of their own
    poppler-utils
    cups  # the CUPS tests start a cupsd of their own; its queues use cups-filters' PDF printer
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the given packages that are missing; apt's output is shown only when it fails.
ensure_packages() {
    local missing=()
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        # Another install may hold the package lock: wait for it instead of failing at once.
        local wait=(-o DPkg::Lock::Timeout=600) log
        log=$(mktemp)
        if ! { as_root apt-get "${wait[@]}" update -q &&
            as_root env DEBIAN_FRONTEND=noninteractive apt-get "${wait[@]}" install -y -q \
                --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
            cat "$log" >&2
            rm -f "$log"
            return 1
        fi
        rm -f "$log"
    fi
}

# Builds on CMAKE_BUILD_PARALLEL_LEVEL cores when it is set, else on every core.
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

# Configures and builds the given targets (every target when none is given).
build() {
    local launcher=() targets=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    if [ $# -gt 0 ]; then targets=(--target "$@"); fi
    cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${OVRA_BUILD_TYPE:-RelWithDebInfo}" \
        "${launcher[@]}" >/dev/null
    cmake --build "$build_dir" --parallel "$jobs" "${targets[@]}"
}
