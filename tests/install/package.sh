#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package builds from the build folder; its files, its control fields and its
# dependency line are what the install rules and the programs need. It is not installed here.
source "$(dirname "$0")/common.sh"

cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$work/out/${PACKAGE_NAME}_${GAMES_VERSION}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { ls "$work/out" >&2; fail "no $deb"; }

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == "$PACKAGE_NAME" ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$GAMES_VERSION" ]] || fail "Version: $(field Version)"
[[ $(field Section) == games ]] || fail "Section: $(field Section)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
synopsis=$(field Description | sed -n 1p)  # sed reads to the end: no SIGPIPE under pipefail
field Description | sed -n 2p | grep -q "^ [A-Z]" || fail "the description has no long part"
[[ $(field Description | sed -n 2p) != " $synopsis" ]] || fail "the long description repeats the synopsis"

# Libraries found in the binaries, plus what the programs load by path at run time.
depends=$(field Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-wine qt6-translations-l10n; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

diff -u <(expected_files | sed 's|^|./usr/|') \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort) ||
    fail "the package's files differ from the expected list (- expected, + packaged)"
# Owned by root, directories 755, programs and launchers 755, everything else 644.
dpkg-deb -c "$deb" | awk '
    $2 != "root/root" { print "owner " $2 ": " $6; bad = 1 }
    $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "mode " $1 ": " $6; bad = 1 }
    $1 ~ /^-/ && $6 ~ /^\.\/usr\/(games|lib\/games)\// && $1 != "-rwxr-xr-x" { print "mode " $1 ": " $6; bad = 1 }
    $1 ~ /^-/ && $6 !~ /^\.\/usr\/(games|lib\/games)\// && $1 != "-rw-r--r--" { print "mode " $1 ": " $6; bad = 1 }
    END { exit bad }' || fail "owners or modes in the package"

dpkg-deb -x "$deb" "$work/tree"
file "$work/tree/usr/lib/games/karvelo/pbrain-karvelo" | grep -q ", stripped" || fail "pbrain-karvelo is not stripped"
[[ $(readlink "$work/tree/usr/games/pbrain-karvelo") == ../lib/games/karvelo/pbrain-karvelo ]] ||
    fail "/usr/games/pbrain-karvelo is not a relative link to the engine"
for game in karvelo zarn; do
    file "$work/tree/usr/lib/games/$game/$game" | grep -q ", stripped" || fail "$game is not stripped"
    grep -qx "Exec=/usr/games/$game" "$work/tree/usr/share/applications/"*".$game.desktop" ||
        fail "the packaged menu entry of $game does not start /usr/games/$game"
done
echo "package: ok ($(basename "$deb"), $(stat -c %s "$deb") bytes)"
echo "Depends: $depends"
