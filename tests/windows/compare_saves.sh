#!/bin/sh
# A player may copy his Corvale folder between machines: the same story played by the Linux
# build and by the Windows build (the .asi files under Wine) writes the same saves byte for
# byte and the same log apart from its time stamps, and each build plays on from the other's
# saves with a resuming story. Exit 77 (skipped) when the Linux build is not there.
#   compare_saves.sh LINUX_SIM WINE64 WINDOWS_SIM DATA WORK RESUME STORY...
set -u
linux_sim=$1 wine64=$2 windows_sim=$3 data=$4 work=$5 resume=$6
shift 6
if [ ! -x "$linux_sim" ]; then
    echo "no Linux simulator at $linux_sim: build the default preset first"
    exit 77
fi
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# play BUILD GAME_DIR SCENARIO: the scenario on that build in that game folder, kept.
play() {
    if [ "$1" = linux ]; then
        "$linux_sim" --game-dir "$2" "$3" >"$2.out" 2>&1
    else
        "$wine64" "$windows_sim" --game-dir "$2" "$3" >"$2.out" 2>&1
    fi || {
        fail "$(basename "$3") on the $1 build:"
        grep -E '^FAIL|error|fault' "$2.out" | head -n 5
        return 1
    }
}

fresh() {
    rm -rf "$1" && mkdir -p "$1" && cp -R "$data/Corvale" "$1/"
}

# The log's lines without the time stamp each entry begins with.
unstamped() {
    sed 's/^\[[0-9]*\/[0-9]*\/[0-9]* [0-9]*:[0-9]*:[0-9]*\] //' "$1"
}

# same LEFT RIGHT: the saves and the log of two game folders agree.
same() {
    before=$failures
    for f in Savegame.dat Savegame2.dat TutorialFlags.dat; do
        if [ -e "$1/Corvale/$f" ] || [ -e "$2/Corvale/$f" ]; then
            cmp -s "$1/Corvale/$f" "$2/Corvale/$f" || {
                fail "$f differs between $1 and $2:"
                od -c "$1/Corvale/$f" | head -n 4
                od -c "$2/Corvale/$f" | head -n 4
            }
        fi
    done
    unstamped "$1/Corvale/Camp.log" >"$1.log"
    unstamped "$2/Corvale/Camp.log" >"$2.log"
    cmp -s "$1.log" "$2.log" || { fail "Camp.log differs:"; diff "$1.log" "$2.log" | head -n 10; }
    [ "$failures" -eq "$before" ]
}

rm -rf "$work" && mkdir -p "$work"
last=
for story in "$@"; do
    name=$(basename "$story" .scn)
    fresh "$work/$name.linux" && fresh "$work/$name.windows" || exit 1
    play linux "$work/$name.linux" "$story" && play windows "$work/$name.windows" "$story" &&
        same "$work/$name.linux" "$work/$name.windows" && echo "$name: the same saves and log"
    last=$name
done

# Each build plays on from the saves the other wrote, and both come to the same saves again.
cp -R "$work/$last.windows" "$work/resume.linux"
cp -R "$work/$last.linux" "$work/resume.windows"
rm -f "$work/resume.linux/Corvale/Camp.log" "$work/resume.windows/Corvale/Camp.log"
play linux "$work/resume.linux" "$resume" && play windows "$work/resume.windows" "$resume" &&
    same "$work/resume.linux" "$work/resume.windows" &&
    echo "$(basename "$resume" .scn): each build played on from the other's saves"

if [ "$failures" -eq 0 ]; then
    echo "saves agree"
    exit 0
fi
echo "$failures differences"
exit 1
