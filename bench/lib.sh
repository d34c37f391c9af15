# Shared by the benchmark scripts (sourced, from the repository root).
#   BENCH_BUILT=1     the caller (bench/run) has built everything already
#   BENCH_SUMMARY=F   each script appends one tab-separated row per bar to F for
#                     bench/run's table: bar, Kitbag, floor, ratio, goal, met

bench_default_settings=$'W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n'

bench_die() {
    echo "bench: $*" >&2
    exit 1
}

# Builds Kitbag, the Windows benchmark programs and the native key injector, after
# installing what the benchmarks need beyond the build; unless bench/run did all that.
bench_build() {
    [[ -n ${BENCH_BUILT:-} ]] && return 0
    scripts/setup
    local need=() package
    for package in libxtst-dev sxhkd xdotool; do
        dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null | grep -q '^ii' || need+=("$package")
    done
    if ((${#need[@]})); then
        apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
    fi
    scripts/build
    mkdir -p build/bench
    cc -O2 -Wall -Wextra -o build/bench/xinject bench/xinject.c -lX11 -lXtst
}

# The Windows path of a Unix path, as Wine sees it.
bench_dos() {
    local path=$1
    echo "Z:${path//\//\\}"
}

# Starts (or reuses) the private display and Wine server; both stop when the script ends.
bench_wine_session() {
    unset DISPLAY
    eval "$(tools/wine-run --env)"
}

bench_stop_wine() {
    tools/wine-run --stop >/dev/null 2>&1 || true
}

# bench_kitbag_folder DIR: a copy of kitbag.exe in DIR with the default Settings.ini, so
# that it starts with its main window as a player's usual start does. BENCH_KITBAG_EXE
# puts another build in its place; BENCH_OPTION_LINES are added to the file (for example
# $'OnlyInWarcraftIII=1\r\n', to see the key options idle).
bench_kitbag_folder() {
    mkdir -p "$1"
    cp "${BENCH_KITBAG_EXE:-build/kitbag.exe}" "$1/kitbag.exe"
    printf '%s%s' "$bench_default_settings" "${BENCH_OPTION_LINES:-}" >"$1/Settings.ini"
}

# bench_hold NAME EXE CLASS: starts the program under bench_hold.exe (bench/hold.cpp) and
# waits for its window. Sets NAME_in and NAME_out (the holder's requests and answers),
# NAME_pid (the program's Linux process) and NAME_holder. Needs $work, a private folder.
bench_hold() {
    local name=$1 exe=$2 class=$3 in out answer pid
    rm -f "$work/$name.in" "$work/$name.out"
    mkfifo "$work/$name.in" "$work/$name.out"
    tools/wine-run build/bench/bench_hold.exe "$(bench_dos "$exe")" "$class" \
        <"$work/$name.in" >"$work/$name.out" 2>>"$work/hold.log" &
    printf -v "${name}_holder" %s "$!"
    exec {in}>"$work/$name.in" {out}<"$work/$name.out"
    printf -v "${name}_in" %s "$in"
    printf -v "${name}_out" %s "$out"
    read -r -t 120 -u "$out" answer || bench_die "$name did not show its window ($(cat "$work/hold.log"))"
    [[ $answer == window* ]] || bench_die "$name: $answer"
    pid=$(bench_unix_pid "$exe") || bench_die "no Linux process for $name"
    printf -v "${name}_pid" %s "$pid"
}

# bench_ask NAME REQUEST...: prints the answer of NAME's holder.
bench_ask() {
    local name=$1 in out answer
    shift
    in=${name}_in out=${name}_out
    echo "$*" >&"${!in}"
    read -r -t 120 -u "${!out}" answer || bench_die "no answer from $name to '$*' ($(cat "$work/hold.log"))"
    echo "${answer%$'\r'}"  # the C runtime ends its lines with CR LF
}

# bench_release NAME: the holder closes the program and ends.
bench_release() {
    local in=${1}_in out=${1}_out holder=${1}_holder to from
    [[ -n ${!in:-} ]] || return 0
    to=${!in} from=${!out}
    echo quit >&"$to" 2>/dev/null || true
    exec {to}>&- {from}<&-
    wait "${!holder}" 2>/dev/null || true
    printf -v "$in" %s ""
}

# bench_unix_pid EXE: the Linux process whose command line Wine set to the program's path.
bench_unix_pid() {
    local wanted proc first
    wanted=$(bench_dos "$1")
    for proc in /proc/[0-9]*; do
        first=$({ tr '\0' '\n' <"$proc/cmdline" | head -n1; } 2>/dev/null) || continue
        if [[ ${first,,} == "${wanted,,}" ]]; then
            echo "${proc#/proc/}"
            return 0
        fi
    done
    return 1
}

# The Wine server of this session's prefix and the virtual display's X server.
bench_session_pids() {
    local proc comm
    for proc in /proc/[0-9]*; do
        comm=$(cat "$proc/comm" 2>/dev/null) || continue
        case $comm in
            wineserver*)
                tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
                    echo "wineserver ${proc#/proc/}" ;;
            Xvfb)
                tr '\0' '\n' <"$proc/cmdline" 2>/dev/null | grep -qxF "$DISPLAY" &&
                    echo "Xvfb ${proc#/proc/}" ;;
        esac
    done
}

bench_rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# utime+stime of every thread, in clock ticks.
bench_cpu_ticks() { awk '{sub(/^.*\) /, ""); print $12 + $13}' "/proc/$1/stat"; }
# Context switches of every thread: how often the process woke up or was put aside.
bench_switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches:/ {n += $2} END {print n}'; }
