#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A launcher that cannot make its folder says why and stops with a non-zero status, without
# starting the game; arguments are refused.
source "$(dirname "$0")/common.sh"

root=$work/root
install_into "$root" /usr

# expect_refusal STATUS PATTERN LAUNCHER HOME [VAR=VALUE...]
expect_refusal() {
    local status=$1 pattern=$2 launcher=$3 home=$4
    shift 4
    local rc=0
    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen timeout 20 "$launcher" "$@" \
        >"$work/out" 2>"$work/err" || rc=$?
    [[ $rc == "$status" ]] || { cat "$work/err" >&2; fail "$launcher exited with $rc, not $status"; }
    grep -q -- "$pattern" "$work/err" || { cat "$work/err" >&2; fail "$launcher did not say: $pattern"; }
}

# A regular file where the game folder should be.
home=$work/home1
mkdir -p "$home/.local/share"
echo notes >"$home/.local/share/karvelo"
expect_refusal 1 "karvelo: cannot create the game folder $home/.local/share/karvelo: a file of that name is in the way" \
    "$root/usr/games/karvelo" "$home"
[[ $(cat "$home/.local/share/karvelo") == notes ]] || fail "the file in the way was changed"

# A regular file where a folder above it should be.
home=$work/home2
mkdir -p "$home/.local"
touch "$home/.local/share"
expect_refusal 1 "zarn: cannot create the game folder $home/.local/share/zarn: Not a directory" \
    "$root/usr/games/zarn" "$home"

# A shipped folder that cannot be copied because a file of its name is in the player's folder.
home=$work/home3
mkdir -p "$home/.local/share/karvelo"
touch "$home/.local/share/karvelo/obr"
expect_refusal 1 "karvelo: cannot copy the game files" "$root/usr/games/karvelo" "$home"
[[ ! -e $home/.local/share/karvelo/data.dat ]] || fail "a failed seeding went on to copy the roster"

# No HOME and no XDG_DATA_HOME: nowhere to play.
rc=0
env -u HOME -u XDG_DATA_HOME "$root/usr/games/karvelo" 2>"$work/err" || rc=$?
[[ $rc == 1 ]] && grep -q "neither XDG_DATA_HOME nor HOME is set" "$work/err" || fail "a launcher without HOME"

expect_refusal 2 "usage: karvelo" "$root/usr/games/karvelo" "$work/home4" --help
[[ ! -e $work/home4 ]] || fail "a refused start created a folder"
echo "launcher refusals: ok"
