# The bare-root check's pieces: apt's configured sources, a session in a root
# (its namespaces, mounts and chroot), and waiting on the check's private X
# server for the program's dialog. Sourced by scripts/bare-root-check, which
# defines say, fail, duration, step_name and the variables these use: work,
# holder, stage, archives, mirror, suite_sources, SUITE and the titles.

# Prints "URI SUITE COMPONENT", a line each, for every binary source apt is
# configured with, in apt's order and as apt reads them. Without release
# info, apt lists sources it has not fetched yet too; the URIs lose the
# trailing slash apt gives them.
apt_sources() {
    apt-get --no-release-info indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
        'Created-By: Packages' | awk '{ sub(/\/$/, "", $1) } !seen[$0]++'
}

# Writes the root's apt sources: the configured Debian lines of the suite,
# its updates and its security updates, or the mirror alone.
write_root_sources() {
    local root=$1
    {
        if [ -n "$suite_sources" ]; then
            echo "$suite_sources" | sed 's/^/deb /'
        else
            echo "deb $mirror $SUITE main"
        fi
    } >"$root/etc/apt/sources.list"
    # slirp4netns answers DNS at this address and forwards to the host's.
    echo "nameserver 10.0.2.3" >"$root/etc/resolv.conf"
    # No service starts inside the root.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
}

# The part of a root session that runs inside its new namespaces: mounts
# what programs in the root expect, runs the script, unmounts.
root_session() {
    set -euo pipefail
    local root=$1 script=$2 archives=$3
    unmount() {
        local m
        for m in var/cache/apt/archives dev/shm dev/pts sys proc; do
            if mountpoint -q "$1/$m"; then umount -l "$1/$m"; fi
        done
    }
    trap "unmount '$root'" EXIT
    # This shell is the namespace's first process: when it ends, every other
    # process in the namespace ends with it. A signal reaches it while it
    # waits for the script, not while the script runs in the foreground.
    trap 'exit 143' TERM
    mount -t proc -o nosuid,nodev,noexec proc "$root/proc"
    mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$root/sys"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=0620,gid=5 devpts "$root/dev/pts"
    mount -t tmpfs -o nosuid,nodev,mode=1777 tmpfs "$root/dev/shm"
    if [ -n "$archives" ]; then
        mount --bind "$archives" "$root/var/cache/apt/archives"
    fi
    chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games \
        /bin/bash -e "$script" &
    wait $!
}

# in_root ROOT LOG SCRIPT_TEXT: runs the script text in the root, in the
# background; its pid is in $stage.
in_root() {
    local root=$1 log=$2 text=$3
    printf 'set -euo pipefail\n%s\n' "$text" >"$root/root/bare-root-step.sh"
    nsenter --target "$holder" --net -- \
        unshare --mount --propagation private --pid --fork --kill-child -- \
        bash -c "$(declare -f root_session); root_session \"\$@\"" root_session \
        "$root" /root/bare-root-step.sh "$archives" >>"$log" 2>&1 &
    stage=$!
}

# end_of_stage LOG [WHY]: waits for the root session to end. A session that
# failed, or any session when WHY is given, fails the step after the end of
# its log.
end_of_stage() {
    local log=$1 why=${2:-} status=0
    wait "$stage" || status=$?
    stage=""
    if [ "$status" -ne 0 ] || [ -n "$why" ]; then
        tail -n 200 "$log" >&2
        fail "${why:-it ended with status $status}; the whole log is in $log"
    fi
}

# run_in_root ROOT LOG SCRIPT_TEXT: runs it to its end; a failure shows the
# end of the log.
run_in_root() {
    in_root "$@"
    end_of_stage "$2"
}

# An X client on the check's private X server.
x_client() {
    nsenter --target "$holder" --net -- env DISPLAY=":$DISPLAY_NUMBER" "$@"
}

window_id() {
    x_client xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

shot() {
    [ -n "${DORVANEX_BARE_ROOT_KEEP:-}" ] && command -v import >/dev/null || return 0
    x_client import -window "$1" png:- >"$work/logs/$2.png" 2>/dev/null || say "no screenshot of $2"
}

# The program, started in the background by the stage's script, waits for
# this file in the root's /tmp and then ends.
GAME_SCRIPT_TAIL='game=$!
while [ ! -e /tmp/bare-root-seen ]; do
    if ! kill -0 "$game" 2>/dev/null; then
        status=0
        wait "$game" || status=$?
        echo "the program ended (status $status) before its dialog was seen"
        exit 1
    fi
    sleep 1
done
kill "$game"
wait "$game" || true'

# dialog_shows ROOT LOG NAME: waits, while the stage runs, for the player-entry
# dialog; closes it with Escape, which starts a one-player game, waits for
# the main window, then ends the program and the stage. NAME begins the
# names of its screenshots.
dialog_shows() {
    local root=$1 log=$2 name=$3 waited=0 win=""
    while [ -z "$win" ]; do
        kill -0 "$stage" 2>/dev/null || end_of_stage "$log" "it ended before the dialog showed"
        [ "$waited" -lt "$DIALOG_TIMEOUT" ] || fail "no dialog '$DIALOG_TITLE' after $(duration "$waited")"
        sleep 2
        waited=$((waited + 2))
        win=$(window_id "$DIALOG_TITLE")
    done
    say "the dialog '$DIALOG_TITLE' is on the screen"
    sleep 1
    shot "$win" "$name-dialog"
    x_client xdotool windowfocus --sync "$win" key Escape
    local main="" tries=0
    while [ -z "$main" ] && [ "$tries" -lt 30 ]; do
        sleep 1
        tries=$((tries + 1))
        main=$(window_id "$WINDOW_TITLE")
    done
    [ -n "$main" ] || fail "no window '$WINDOW_TITLE' after the dialog was closed"
    sleep 1
    shot "$main" "$name-window"
    touch "$root/tmp/bare-root-seen"
    end_of_stage "$log"
}
