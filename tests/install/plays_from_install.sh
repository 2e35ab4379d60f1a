#!/bin/bash
# Installs the build into a temporary prefix, puts the build folder's data out of reach, and plays from the
# install alone: the driver for 30 ticks of a new game, the game itself offscreen for a few seconds. Then
# the same from a copy of the install in another place, and a copy without its help book, whose start-up
# box must name the installed path it looked in.
# usage: plays_from_install.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
work=$(mktemp -d)
away="$build/data.out-of-reach"
failures=0

restore() {
    [ -d "$away" ] && { rm -rf "$build/data"; mv "$away" "$build/data"; }
    rm -rf "$work"
}
trap restore EXIT
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$work/first" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
mv "$build/data" "$away"

# Nothing run from the install may lean on the checkout or the build folder: not the working folder, not
# the user's folders, not a path compiled in.
mkdir -p "$work/home" "$work/run"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export QT_QPA_PLATFORM=offscreen
cd "$work/run"
for program in wendmoor wendmoor-drive; do
    # The debugging information names the source files; the program itself must name no folder of ours.
    strip --strip-debug -o "$work/$program.stripped" "$work/first/bin/$program"
    for folder in "$source" "$build"; do
        grep -q -F "$folder" "$work/$program.stripped" && fail "$program names $folder"
    done
done

plays() { # PREFIX: the driver's new game runs 30 ticks; the game starts and keeps running
    local prefix=$1
    printf 'new-game 15 Weekday\nticks 30\nstate %s\n' "$work/state.json" >"$work/play.txt"
    rm -f "$work/state.json"
    if ! "$prefix/bin/wendmoor-drive" "$work/play.txt" >"$work/drive.log" 2>&1; then
        fail "the driver in $prefix stopped: $(cat "$work/drive.log")"
    elif ! grep -q '"clock":11,.*"dayName":"Weekday"' "$work/state.json"; then
        fail "the driver in $prefix did not play ten minutes of a Weekday: $(head -c 300 "$work/state.json")"
    fi
    timeout 4 "$prefix/bin/wendmoor" >"$work/game.log" 2>&1
    local status=$?
    [ $status -eq 124 ] || fail "the game in $prefix ended with status $status: $(cat "$work/game.log")"
    grep -q "Program cannot continue" "$work/game.log" && fail "the game in $prefix stopped: $(cat "$work/game.log")"
}

plays "$work/first"

# A copy of the install in another place, the original gone.
cp -a "$work/first" "$work/second"
rm -rf "$work/first"
plays "$work/second"

# Without its help book the start-up box names where it looked.
rm "$work/second/share/wendmoor/WM58.qch"
timeout 3 "$work/second/bin/wendmoor" >"$work/game.log" 2>&1
grep -q -F "Help file missing  $work/second/share/wendmoor/WM58.qch" "$work/game.log" ||
    fail "the box did not name the installed help book: $(cat "$work/game.log")"

[ $failures -eq 0 ] && echo "played from the install alone"
exit $((failures > 0))
