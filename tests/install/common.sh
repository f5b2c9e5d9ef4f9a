# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the installation tests. The environment names the build and source folders, the
# desktop ids and the version (see CMakeLists.txt).
set -euo pipefail

work=$(mktemp -d)
trap 'cleanup' EXIT
started=()
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# install_into DESTDIR PREFIX
install_into() {
    DESTDIR=$1 cmake --install "$BUILD_DIR" --prefix "$2" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log" >&2; fail "cmake --install into $1 with prefix $2"; }
}

# Every file an installation below /usr holds, relative to /usr, sorted.
expected_files() {
    {
        echo games/karvelo
        echo games/pbrain-karvelo
        echo games/zarn
        echo lib/games/karvelo/karvelo
        echo lib/games/karvelo/pbrain-karvelo
        echo lib/games/zarn/zarn
        # Every shipped data file belongs to exactly one game: the tiles (with their @2x twins) to
        # Zarn, the rest to Karvelo.
        (cd "$SOURCE_DIR/data" && find . -type f | sed 's|^\./||') | while read -r f; do
            case $f in
                mina.bmp | zarn[0-8].bmp | mina@2x.bmp | zarn[0-8]@2x.bmp) echo "share/games/zarn/$f" ;;
                *) echo "share/games/karvelo/$f" ;;
            esac
        done
        for id in "$KARVELO_ID" "$ZARN_ID"; do
            echo "share/applications/$id.desktop"
            echo "share/metainfo/$id.metainfo.xml"
            for size in 16 22 24 32 48 64 128 256; do
                echo "share/icons/hicolor/${size}x$size/apps/$id.png"
            done
        done
        echo "share/doc/$PACKAGE_NAME/copyright"
        echo "share/doc/$PACKAGE_NAME/changelog.gz"
        echo share/man/man6/karvelo.6.gz
        echo share/man/man6/pbrain-karvelo.6.gz
        echo share/man/man6/zarn.6.gz
    } | LC_ALL=C sort
}

# start_game LAUNCHER HOME [VAR=VALUE...]: starts a launcher headless with a fresh HOME and
# no XDG_DATA_HOME unless given; sets $pid.
start_game() {
    local launcher=$1 home=$2
    shift 2
    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$@" "$launcher" \
        >"$work/game.out" 2>&1 &
    pid=$!
    started+=("$pid")
}

# expect_running PROGRAM FOLDER: the started game is still up after two seconds, as the
# installed PROGRAM, in FOLDER; then it is ended.
expect_running() {
    sleep 2
    kill -0 "$pid" 2>/dev/null || { cat "$work/game.out" >&2; fail "$1 did not stay up"; }
    [[ $(readlink -f "/proc/$pid/exe") == "$(readlink -f "$1")" ]] ||
        fail "the launcher runs $(readlink -f "/proc/$pid/exe"), not $1"
    [[ $(readlink -f "/proc/$pid/cwd") == "$(readlink -f "$2")" ]] ||
        fail "$1 runs in $(readlink -f "/proc/$pid/cwd"), not in $2"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
