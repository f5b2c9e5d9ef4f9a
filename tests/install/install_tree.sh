#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An installation holds every expected file and nothing else; the menu entries and the
# AppStream metadata validate and point at what was installed.
source "$(dirname "$0")/common.sh"

root=$work/root
install_into "$root" /usr
diff -u <(expected_files) <(cd "$root/usr" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the installed files differ from the expected list (- expected, + installed)"

for game in karvelo zarn; do
    [[ -x $root/usr/games/$game ]] || fail "/usr/games/$game is not executable"
    [[ -x $root/usr/lib/games/$game/$game ]] || fail "/usr/lib/games/$game/$game is not executable"
    sh -n "$root/usr/games/$game" || fail "the $game launcher is not a valid shell script"
done
# The gomoku engine answers through its link on the PATH.
[[ $(printf 'START 20\r\nBEGIN\r\nEND\r\n' | "$root/usr/games/pbrain-karvelo" --level 1) == $'OK\n9,9' ]] ||
    fail "/usr/games/pbrain-karvelo does not play"
# The shipped files are the source tree's, byte for byte.
for f in data.dat NAPOVEDA.HLP obr/karvelo.bmp obr/karvelo@2x.bmp obr/Ocean/Pole.bmp obr/Ocean/Pole@2x.bmp; do
    cmp -s "$SOURCE_DIR/data/$f" "$root/usr/share/games/karvelo/$f" || fail "share/games/karvelo/$f differs from data/$f"
done
for f in zarn8.bmp zarn8@2x.bmp; do
    cmp -s "$SOURCE_DIR/data/$f" "$root/usr/share/games/zarn/$f" || fail "share/games/zarn/$f differs"
done

for id in "$KARVELO_ID" "$ZARN_ID"; do
    entry=$root/usr/share/applications/$id.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate $id.desktop"
    appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate $id.metainfo.xml"
    grep -qx "Exec=/usr/games/${id##*.}" "$entry" || fail "$id.desktop does not start /usr/games/${id##*.}"
    grep -qx "Icon=$id" "$entry" || fail "$id.desktop names another icon"
    grep -q "^Name\[cs\]=" "$entry" && grep -q "^Comment\[cs\]=" "$entry" && grep -q "^Comment=" "$entry" ||
        fail "$id.desktop lacks its Czech or English name or comment"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
        fail "$id.metainfo.xml does not name its menu entry"
done
# The metadata, the menu entries and the icons agree with one another.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
grep -qx "Categories=Game;BoardGame;" "$root/usr/share/applications/$KARVELO_ID.desktop" || fail "Karvelo's categories"
grep -qx "Categories=Game;LogicGame;" "$root/usr/share/applications/$ZARN_ID.desktop" || fail "Zarn's categories"

# Each icon is a PNG of the size its folder names.
for png in "$root"/usr/share/icons/hicolor/*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
    [[ "${width}x$height" == "$size" ]] || fail "$png is ${width}x$height"
done

# The one thing that versions the package, the menu metadata and the changelog alike.
grep -q "<release version=\"$GAMES_VERSION\"" "$root/usr/share/metainfo/$KARVELO_ID.metainfo.xml" ||
    fail "Karvelo's metainfo has no release $GAMES_VERSION"
grep -q "<release version=\"$GAMES_VERSION\"" "$root/usr/share/metainfo/$ZARN_ID.metainfo.xml" ||
    fail "Zarn's metainfo has no release $GAMES_VERSION"
zcat "$root/usr/share/doc/$PACKAGE_NAME/changelog.gz" | sed -n 1p | grep -q "^$PACKAGE_NAME ($GAMES_VERSION) " ||
    fail "the changelog's latest entry is not $GAMES_VERSION"

# A user's own prefix: launchers in bin/, which is on that user's PATH, and menu entries that
# start them by their full path.
home=$work/home
install_into "$work/user" "$home/.local"
for game in karvelo zarn; do
    [[ -x $work/user$home/.local/bin/$game ]] || fail "~/.local/bin/$game missing"
    [[ ! -e $work/user$home/.local/games ]] || fail "~/.local/games should not exist"
done
[[ $(readlink "$work/user$home/.local/bin/pbrain-karvelo") == ../lib/games/karvelo/pbrain-karvelo ]] ||
    fail "~/.local/bin/pbrain-karvelo is not a link to the engine"
grep -qx "Exec=$home/.local/bin/karvelo" "$work/user$home/.local/share/applications/$KARVELO_ID.desktop" ||
    fail "the menu entry of a ~/.local install does not start ~/.local/bin/karvelo"
echo "install tree: ok"
