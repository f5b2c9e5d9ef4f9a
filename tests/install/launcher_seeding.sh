#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed launchers seed the player's own folder and start the game there; the roster a
# player changed survives a reinstall (also one that ships another roster) and a second start,
# while the shipped artwork and help are brought back.
source "$(dirname "$0")/common.sh"

root=$work/root
home=$work/home
mkdir -p "$home"
install_into "$root" /usr
shipped=$root/usr/share/games/karvelo
folder=$home/.local/share/karvelo

start_game "$root/usr/games/karvelo" "$home"
expect_running "$root/usr/lib/games/karvelo/karvelo" "$folder"
diff -r "$shipped" "$folder" || fail "the first start did not seed $folder with the shipped files"

# The player's roster changes; some artwork is lost or damaged.
sed -i '1s/500x0/777x0/' "$folder/data.dat"
cmp -s "$folder/data.dat" "$shipped/data.dat" && fail "the roster edit did not take"
cp "$folder/data.dat" "$work/roster"
rm "$folder/obr/Gothic/Pole.bmp"
echo damaged >"$folder/NAPOVEDA.HLP"
echo damaged >>"$folder/obr/karvelo.bmp"
chmod 444 "$folder/obr/karvelo.bmp"  # read-only too: the launcher must still replace it

# A reinstall, as an upgrade that ships a different initial roster would be.
install_into "$root" /usr
printf 'Nova      100x0\r\n#' >"$shipped/data.dat"
start_game "$root/usr/games/karvelo" "$home"
expect_running "$root/usr/lib/games/karvelo/karvelo" "$folder"
cmp -s "$work/roster" "$folder/data.dat" || fail "the player's roster was overwritten"
for f in obr/Gothic/Pole.bmp NAPOVEDA.HLP obr/karvelo.bmp; do
    cmp -s "$shipped/$f" "$folder/$f" || fail "$f was not refreshed from the installed copy"
done

# Zarn has its own folder, with the tiles only; XDG_DATA_HOME moves it, a relative one is ignored.
start_game "$root/usr/games/zarn" "$home" XDG_DATA_HOME="$work/xdg"
expect_running "$root/usr/lib/games/zarn/zarn" "$work/xdg/zarn"
diff -r "$root/usr/share/games/zarn" "$work/xdg/zarn" || fail "Zarn's folder is not a copy of its tiles"
[[ ! -e $work/xdg/karvelo ]] || fail "Zarn's launcher touched Karvelo's folder"
cd "$work"
start_game "$root/usr/games/zarn" "$home" XDG_DATA_HOME=relative
cd - >/dev/null
expect_running "$root/usr/lib/games/zarn/zarn" "$home/.local/share/zarn"
[[ ! -e $work/relative ]] || fail "a relative XDG_DATA_HOME was used"
echo "launcher seeding: ok"
