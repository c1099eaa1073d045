#!/usr/bin/env bash
# Starts the program as a blind pupil's desktop would have it, on a private X server and a
# private accessibility bus, and lets hear.py check what a screen reader gets from it.
# Usage: run.sh PROGRAM [orca LANGUAGE]
# With orca, the screen reader itself runs beside the program, both in LANGUAGE (en, de), with a
# window manager and a speech server whose only voice is silent, and listen.py checks what it
# would say.
# Exits 77 (skipped) when a tool is missing or the bus cannot be started.
set -u
skip() {
    echo "SKIPPED: $*"
    exit 77
}
program=$(realpath "$1")
listener=${2:-}
language=${3:-en}
here=$(cd "$(dirname "$0")" && pwd)

if [[ -z "${QUORVEX_PRIVATE_BUS:-}" ]]; then
    for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
        command -v "$tool" >/dev/null || skip "$tool is missing (packages: xvfb xdotool dbus-x11 at-spi2-core)"
    done
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"
    if [[ $listener == orca ]]; then
        for tool in orca openbox speech-dispatcher; do
            command -v "$tool" >/dev/null || skip "$tool is missing (packages: orca openbox speech-dispatcher)"
        done
        # The screen reader refuses to start beside another of the same user.
        pgrep -u "$(id -u)" -x orca >/dev/null && skip "a screen reader of this user is running already"
    fi
    # The X server, the buses and the program are separate processes that start in their own
    # time; on a loaded machine one of them now and then comes up too late, so a failed run is
    # tried once more from scratch. A fault of the program fails both runs. A program that cannot
    # reach the X server it was given is no fault of the program: when that happens in both runs,
    # the test is skipped.
    unreachable=0
    for attempt in 1 2; do
        started=$(mktemp)
        QUORVEX_PRIVATE_BUS="$started" dbus-run-session -- "$0" "$@"
        status=$?
        if [[ ! -s "$started" ]]; then
            rm -f "$started"
            skip "dbus-run-session could not start a session bus"
        fi
        rm -f "$started"
        [[ $status -eq 0 || $status -eq 77 ]] && break
        [[ $status -eq 76 ]] && unreachable=$((unreachable + 1))
        [[ $attempt -eq 1 ]] && echo "== the run failed (status $status); once more from the start"
    done
    [[ $unreachable -eq 2 ]] && skip "the program could not reach its private X server in either run"
    [[ $status -eq 76 ]] && status=1
    exit $status
fi
echo started >"$QUORVEX_PRIVATE_BUS"

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# -noreset: the server does not start over each time its last client leaves, as the checks just
# below do. On one CI machine, nothing could reach the server after those checks.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
pids+=($xvfb)
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
export DISPLAY=":$(head -1 "$work/display" 2>/dev/null)"
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || skip "Xvfb did not start: $(tail -3 "$work/xvfb.log")"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
pids+=($!)

# Under AddressSanitizer (scripts/sanitize) the program runs on a real X display, where the
# system's keyboard library (libxkbcommon-x11) hands strndup a buffer without a terminator;
# strndup stops at its count, but strict string checks report it, so they are off here.
[[ -n "${ASAN_OPTIONS:-}" ]] && export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"

if [[ $listener == orca ]]; then
    # A desktop as a blind pupil has it: a window manager that gives the focus to new windows,
    # a speech server with only its silent voice, and the screen reader, in its own settings
    # folder, writing what it would say to its debug log. Key echo is off: the log then holds
    # what the program makes it say.
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
    mkdir -p "$XDG_CONFIG_HOME" "$work/orca"
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    cp -r /etc/speech-dispatcher "$work/speechd"
    printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' >>"$work/speechd/speechd.conf"
    speech-dispatcher -s -t 0 -C "$work/speechd" -L "$work" -c unix_socket -S default >"$work/speechd.log" 2>&1 &
    pids+=($!)
    cat >"$work/orca/user-settings.conf" <<'SETTINGS'
{"general": {}, "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"], "enableKeyEcho": false, "enableSound": false,
                          "enableBraille": false, "enableTutorialMessages": false}}}
SETTINGS
    LANGUAGE=$language "$here/orca-by-line" -u "$work/orca" --debug-file="$work/orca.log" >"$work/orca-stdout.log" 2>&1 &
    pids+=($!)
    /usr/bin/python3 "$here/listen.py" "$program" "$work" "$language"
    status=$?
else
    # The class folder is the working folder; the program starts there with nothing in it.
    mkdir "$work/class"
    (cd "$work/class" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb exec "$program") >"$work/program.log" 2>&1 &
    pids+=($!)
    /usr/bin/python3 "$here/hear.py"
    status=$?
fi
if [[ $status -ne 0 && $status -ne 77 ]]; then
    echo "--- program output"
    tail -20 "$work/program.log"
    for log in xvfb launcher registry openbox speechd orca-stdout; do
        [[ -e "$work/$log.log" ]] || continue
        echo "--- $log output"
        tail -5 "$work/$log.log"
    done
    # The toolkit says so when it cannot connect; nothing the program does before that decides it.
    if grep -q "could not connect to display" "$work/program.log" || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
        kill -0 "$xvfb" 2>/dev/null && state="still running" || state="gone"
        xdotool getdisplaygeometry >/dev/null 2>&1 && answers="answers others" || answers="answers nobody"
        echo "--- the program could not reach the X server ($state, $answers)"
        exit 76
    fi
fi
exit $status
