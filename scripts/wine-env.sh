# shellcheck shell=bash
# Source this file to get the Wine environment the Windows tests and the
# program run in: one prefix, one display, one warm wineserver.
#
#   source scripts/wine-env.sh       # sets up what is missing, exports it all
#   ...wine64 runs...
#   quillet_wine_down                # stops what this shell started
#
# Sourcing again (or from a child such as scripts/wine-run.sh, which sees the
# exported QUILLET_WINE_READY) costs nothing once the set-up is done.
#
# Knobs: QUILLET_WINEPREFIX (default build/wineprefix), QUILLET_OWN_DISPLAY=1
# (start Xvfb even when DISPLAY is set: the tests want a quiet 1280x1024
# screen of their own), QUILLET_WINE_DPI=144 (the prefix's screen resolution
# in pixels per inch; give such a prefix its own QUILLET_WINEPREFIX),
# QUILLET_WINE_PERSIST=0 (no persistent wineserver:
# Wine's own server then lives exactly as long as its programs, which is what
# several independent one-off runs sharing a prefix need).

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  echo "usage: source ${BASH_SOURCE[0]}" >&2
  exit 2
fi

QUILLET_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QUILLET_ROOT

# Debian puts the real binaries here; /usr/bin/wine and the wineserver
# wrapper add behaviour we do not want (a 32-bit hint, -p0).
QUILLET_WINE="${QUILLET_WINE:-/usr/lib/wine/wine64}"
QUILLET_WINESERVER="${QUILLET_WINESERVER:-/usr/lib/wine/wineserver64}"
[[ -x "$QUILLET_WINESERVER" ]] || QUILLET_WINESERVER=/usr/lib/wine/wineserver
export QUILLET_WINE QUILLET_WINESERVER

# Bump when the prefix set-up below changes: existing prefixes are redone.
_quillet_prefix_version="quillet-prefix 1"

_quillet_wine_log() { echo "wine-env: $*" >&2; }

_quillet_wine_vars() {
  export QUILLET_WINEPREFIX="${QUILLET_WINEPREFIX:-$QUILLET_ROOT/build/wineprefix}"
  export WINEPREFIX="$QUILLET_WINEPREFIX"
  export WINEARCH=win64
  export WINEDEBUG="${QUILLET_WINEDEBUG:--all}"
  # winemenubuilder would write menu entries and file associations into $HOME.
  case ";${WINEDLLOVERRIDES:-};" in
    *";winemenubuilder.exe=d;"*) ;;
    *) export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}" ;;
  esac
  QUILLET_WINE_LOGDIR="${QUILLET_WINE_LOGDIR:-$(dirname "$QUILLET_WINEPREFIX")/wine-logs}"
  export QUILLET_WINE_LOGDIR
  mkdir -p "$QUILLET_WINE_LOGDIR" "$(dirname "$QUILLET_WINEPREFIX")"
}

# Starts Xvfb on a free display (it picks the number itself and reports it
# once it accepts clients) unless a display is already there to use.
_quillet_wine_display() {
  if [[ -n "${DISPLAY:-}" && "${QUILLET_OWN_DISPLAY:-0}" != 1 ]]; then
    return 0
  fi
  command -v Xvfb >/dev/null || { _quillet_wine_log "Xvfb not found: run scripts/install-deps.sh"; return 1; }
  local numfile="$QUILLET_WINE_LOGDIR/xvfb.display.$$" i
  rm -f "$numfile"
  # -noreset: the server would otherwise reset between tests whenever the
  # last client leaves, dropping selections and atoms.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$numfile" </dev/null >"$QUILLET_WINE_LOGDIR/xvfb.log" 2>&1 &
  _quillet_xvfb_pid=$!
  for ((i = 0; i < 100; i++)); do
    [[ -s "$numfile" ]] && break
    kill -0 "$_quillet_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -s "$numfile" ]]; then
    _quillet_wine_log "Xvfb did not start; its log:"
    cat "$QUILLET_WINE_LOGDIR/xvfb.log" >&2
    kill "$_quillet_xvfb_pid" 2>/dev/null
    unset _quillet_xvfb_pid
    return 1
  fi
  _quillet_saved_display="${DISPLAY-}"
  export DISPLAY=":$(tr -dc 0-9 <"$numfile")"
  rm -f "$numfile"
  _quillet_wine_log "Xvfb on $DISPLAY (pid $_quillet_xvfb_pid)"
}

# Creates and configures the prefix once. The lock keeps two set-ups (say two
# wine-run.sh started by hand) from building the same prefix together.
_quillet_wine_prefix() {
  local stamp="$WINEPREFIX/.quillet-prefix"
  local _quillet_prefix_version="$_quillet_prefix_version${QUILLET_WINE_DPI:+ dpi $QUILLET_WINE_DPI}"
  [[ -f "$stamp" && "$(cat "$stamp")" == "$_quillet_prefix_version" ]] && return 0
  (
    flock 8
    [[ -f "$stamp" && "$(cat "$stamp")" == "$_quillet_prefix_version" ]] && exit 0
    log="$QUILLET_WINE_LOGDIR/prefix.log"
    _quillet_wine_log "creating the Wine prefix $WINEPREFIX (log: $log)"
    start=$SECONDS
    # No Mono/Gecko: nothing of ours uses them, and their install prompt
    # would wait forever on a display nobody looks at. Output goes to a file:
    # services started now inherit it and outlive this command.
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" \
      timeout 300 "$QUILLET_WINE" wineboot -i </dev/null >"$log" 2>&1 || {
      _quillet_wine_log "wineboot -i failed; $log:"; cat "$log" >&2; exit 1; }

    # Debian's Wine does not find its own fonts: copy them in, leaving out
    # every MS Sans Serif file so that the replacement below takes effect
    # (a face that exists is never replaced, and the main window's font
    # would then have no CJK glyphs).
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    for f in /usr/share/wine/fonts/*; do
      case "$(basename "$f")" in
        sserif*.fon | ssee*.fon | ssef*.fon | ms_sans_serif.ttf) continue ;;
      esac
      cp -f "$f" "$fonts/"
    done
    rm -f "$fonts"/sserif*.fon "$fonts"/ssee*.fon "$fonts"/ssef*.fon "$fonts"/ms_sans_serif.ttf

    reg() { "$QUILLET_WINE" reg add "$@" /f </dev/null >>"$log" 2>&1 || {
      _quillet_wine_log "reg add $* failed; $log:"; cat "$log" >&2; exit 1; }; }
    link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    reg "$link" /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei'
    reg "$link" /v 'Liberation Sans' /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei'
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Sans Serif' /t REG_SZ /d 'WenQuanYi Micro Hei'
    # Without a window manager Wine waits 2 s in every DestroyWindow of a
    # top-level window; unmanaged windows close at once.
    reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
    # The screen resolution programs see (96 unless asked): the user's
    # setting and the machine's, as Windows keeps both.
    if [[ -n "${QUILLET_WINE_DPI:-}" ]]; then
      reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$QUILLET_WINE_DPI"
      reg 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d "$QUILLET_WINE_DPI"
    fi

    # Let the server that wineboot started write the registry and go, so the
    # persistent one starts clean.
    timeout 60 "$QUILLET_WINESERVER" -w </dev/null >>"$log" 2>&1
    echo "$_quillet_prefix_version" >"$stamp"
    _quillet_wine_log "prefix ready in $((SECONDS - start)) s"
  ) 8>"$WINEPREFIX.lock"
}

# A persistent wineserver: every program then starts in ~0.2 s instead of
# ~1.3 s. It answers 2 when a server for this prefix is already up.
_quillet_wine_server() {
  local rc=0
  "$QUILLET_WINESERVER" -p </dev/null >>"$QUILLET_WINE_LOGDIR/wineserver.log" 2>&1 || rc=$?
  if ((rc == 0)); then
    _quillet_wineserver_ours=1
  elif ((rc != 2)); then
    _quillet_wine_log "wineserver -p failed ($rc)"
    return 1
  fi
  # The first program after the server starts launches the services, which
  # inherit its stdout and outlive it: let that be this one, writing nowhere,
  # and not a test whose output ctest reads through a pipe.
  timeout 120 "$QUILLET_WINE" wineboot </dev/null >/dev/null 2>&1 || {
    _quillet_wine_log "warming up the wineserver failed"
    return 1
  }
}

quillet_wine_up() {
  _quillet_wine_vars || return 1
  if [[ -n "${QUILLET_WINE_READY:-}" && "$QUILLET_WINE_READY" == "$WINEPREFIX|${DISPLAY:-}" ]]; then
    return 0
  fi
  _quillet_wine_display || return 1
  _quillet_wine_prefix || { quillet_wine_down; return 1; }
  if [[ "${QUILLET_WINE_PERSIST:-1}" != 0 ]]; then
    _quillet_wine_server || { quillet_wine_down; return 1; }
  fi
  _quillet_wine_watchdog
  export QUILLET_WINE_READY="$WINEPREFIX|$DISPLAY"
}

# If the shell that set things up dies without quillet_wine_down (killed by a
# CTest timeout, a crashed script), what it started would run on for ever:
# a small watcher stops our Xvfb and our wineserver once that shell is gone.
_quillet_wine_watchdog() {
  [[ -n "${_quillet_xvfb_pid:-}${_quillet_wineserver_ours:-}" ]] || return 0
  local owner="$BASHPID" xvfb="${_quillet_xvfb_pid:-}" server="${_quillet_wineserver_ours:-}"
  (
    trap '' INT HUP
    while kill -0 "$owner" 2>/dev/null; do sleep 1; done
    [[ -n "$server" ]] && "$QUILLET_WINESERVER" -k
    [[ -n "$xvfb" ]] && kill "$xvfb"
  ) </dev/null >/dev/null 2>&1 &
  _quillet_watchdog_pid=$!
}

# Stops the wineserver and the Xvfb that this shell started, and nothing else
# (a prefix or display that was already in use is left alone).
quillet_wine_down() {
  if [[ -n "${_quillet_watchdog_pid:-}" ]]; then
    kill "$_quillet_watchdog_pid" 2>/dev/null || true
    wait "$_quillet_watchdog_pid" 2>/dev/null || true
    unset _quillet_watchdog_pid
  fi
  if [[ -n "${_quillet_wineserver_ours:-}" ]]; then
    "$QUILLET_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    timeout 20 "$QUILLET_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
    unset _quillet_wineserver_ours
  fi
  if [[ -n "${_quillet_xvfb_pid:-}" ]]; then
    # Wine's own server ends its system processes (explorer keeps an X
    # connection) a moment after the last program; let it, rather than pull
    # the display from under them.
    if [[ "${QUILLET_WINE_PERSIST:-1}" == 0 ]]; then
      timeout 10 "$QUILLET_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
    fi
    kill "$_quillet_xvfb_pid" 2>/dev/null || true
    wait "$_quillet_xvfb_pid" 2>/dev/null || true
    unset _quillet_xvfb_pid
    if [[ -n "${_quillet_saved_display:-}" ]]; then
      export DISPLAY="$_quillet_saved_display"
    else
      unset DISPLAY
    fi
    unset _quillet_saved_display
  fi
  unset QUILLET_WINE_READY
  return 0
}

quillet_wine_up
