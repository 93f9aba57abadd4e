#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/: the main window with the sample
# documents, the results window after a run over them and the list of what
# could not be read, each on a virtual screen (Xvfb) of 1280x800, of 1920x1080,
# of 1600x1000 at a scale factor of 2, and of 1280x800 with a dark palette
# (the KDE colour scheme a dark desktop gives, with the Fusion style). The
# pictures are cut to the window and kept at 256 colours.
# Needs Xvfb, xdotool and ImageMagick. Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program=$(realpath "$build/src/shell/harvelux")
out=docs/screenshots
mkdir -p "$out"
# A folder of a fixed name, so the paths shown are the same on every take.
work=/tmp/harvelux-screenshots
rm -rf "$work"
mkdir -p "$work"
cp -r "$build/src/shell/Samples" "$work/Samples"
display=:$((90 + RANDOM % 100))
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A document that is no document: the run lists it as unread.
mkdir -p "$work/docs"
printf 'PK\003\004 cut short' >"$work/docs/Broken Report.docx"

# The first visible window named $1 other than those in $2 (one per line).
wait_window() {
    local name=$1 others=${2:-} id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name "$name" 2>/dev/null || true); do
            grep -qx "$id" <<<"$others" || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    echo "no window '$name'" >&2
    return 1
}

# The window's part of the screen, into $3 (a file).
grab() {
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

# The window as a 256-colour PNG.
capture() {
    sleep 0.7
    grab "$1" "$work/shot.png"
    convert "$work/shot.png" -colors 256 "PNG8:$out/$2.png"
}

# Where the status line's link is: the first bluish pixel in the window's
# bottom 40 rows.
link_position() {
    grab "$1" "$work/status.png"
    local height
    height=$(identify -format '%h' "$work/status.png")
    convert "$work/status.png" -crop "x40+0+$((height - 40))" +repage txt:- |
        awk -F'[,:() ]+' -v top=$((height - 40)) \
            'NR > 1 && $5 > $3 + 60 && $5 > $4 + 30 { print $1 + 3, $2 + top; exit }'
}

shoot() {
    local name=$1 screen=$2 scale=$3 dark=$4
    Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    local config=$work/config-$name
    mkdir -p "$config"
    local theme=()
    if [[ $dark == dark ]]; then
        theme=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5)
        cat >"$config/kdeglobals" <<'EOF'
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=35,38,41
BackgroundAlternate=49,54,59
ForegroundNormal=239,240,241
ForegroundInactive=161,169,177
ForegroundLink=61,174,233
ForegroundVisited=155,89,182
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[KDE]
widgetStyle=Fusion
EOF
    fi
    (cd "$work" && exec env DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" XDG_CONFIG_HOME="$config" \
        "${theme[@]}" "$program" "$work/Samples" "$work/docs" >/dev/null 2>&1) &
    pids+=($!)
    local app=$!
    export DISPLAY=$display
    local main results unread x y
    main=$(wait_window '^Harvelux$')
    capture "$main" "main-window-$name"
    xdotool windowfocus "$main" key F5
    results=$(wait_window '^Harvelux$' "$main")
    sleep 2
    capture "$results" "results-window-$name"
    read -r x y < <(link_position "$results")
    xdotool mousemove --window "$results" "$x" "$y" click 1
    unread=$(wait_window '^Could Not Be Read$')
    capture "$unread" "unread-dialog-$name"
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    pids=()
    unset DISPLAY
}

shoot 1280x800 1280x800 1 light
shoot 1920x1080 1920x1080 1 light
shoot scale2 1600x1000 2 light
shoot dark 1280x800 1 dark
ls -l "$out"
