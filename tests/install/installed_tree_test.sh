#!/usr/bin/env bash
# The installed program as a user meets it: installs the build into a temporary prefix, checks
# the desktop files, then starts the installed window headless as an ordinary user with a
# read-only bin/ and checks that its settings file goes to the user's configuration folder,
# and that a damaged settings file there does not bring it down.
# usage: installed_tree_test.sh BUILD_DIR     (exit 77: cannot run as an ordinary user)
set -euo pipefail
build=$1
tmp=$(mktemp -d)
pid=
cleanup() {
    local rc=$?
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    chmod -R u+w "$tmp" 2>/dev/null || true
    rm -rf "$tmp"
    exit "$rc"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/q417 bin/q417-cli share/applications/q417.desktop \
         share/metainfo/io.github.q417.Q417.metainfo.xml \
         share/icons/hicolor/32x32/apps/q417.png share/icons/hicolor/256x256/apps/q417.png \
         share/icons/hicolor/scalable/apps/q417.svg \
         share/man/man1/q417.1.gz share/man/man1/q417-cli.1.gz \
         share/doc/q417/copyright share/doc/q417/changelog.gz; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
grep -qx 'Exec=q417' "$prefix/share/applications/q417.desktop" || fail "desktop entry Exec"
grep -qx 'Icon=q417' "$prefix/share/applications/q417.desktop" || fail "desktop entry Icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/q417.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/io.github.q417.Q417.metainfo.xml" \
        >"$tmp/appstream.txt" 2>&1 || { cat "$tmp/appstream.txt" >&2; fail "AppStream metadata"; }
fi

# Root writes into any folder whatever its permissions say, so the program runs as nobody.
home=$tmp/home
mkdir -p "$home"
chmod 755 "$tmp"
chmod -R a+rX "$prefix"
chmod 555 "$prefix/bin"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null && id nobody >/dev/null 2>&1 ||
        { echo "no setpriv or no user nobody: skipped"; exit 77; }
    chown nobody "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
settings=$home/config/Q417/Q-417/Q417.INI

start() {
    "${as_user[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR= QT_QPA_PLATFORM=offscreen "$prefix/bin/q417" >"$tmp/out.txt" 2>&1 &
    pid=$!
}
stop() {
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/out.txt" >&2; fail "q417 ended by itself"; }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}
wait_for() {
    for _ in $(seq 1 300); do
        [ -e "$1" ] && return 0
        kill -0 "$pid" 2>/dev/null || { cat "$tmp/out.txt" >&2; fail "q417 ended by itself"; }
        sleep 0.1
    done
    fail "no $1 after 30 s"
}

# Start-up reads the settings from the user's folder, making the folder when missing (the file
# itself is written only by the close button).
start
wait_for "$(dirname "$settings")"
sleep 1
stop
[ -e "$prefix/bin/Q417.INI" ] && fail "settings file written into the read-only bin/"

# A damaged settings file: start-up reports it and goes on.
head -c 3000 /dev/urandom >"$settings"
printf '\x12\x01\x00\x00' | dd of="$settings" conv=notrunc status=none
cp "$settings" "$tmp/damaged"
start
sleep 3
stop
cmp -s "$settings" "$tmp/damaged" || fail "start-up changed the damaged settings file"

# The installed command-line companion works on its own.
cd "$tmp"
"$prefix/bin/q417-cli" keygen --seed 7 --output "$tmp/07.key"
printf 'ПРИВЕТ' >"$tmp/plain.txt"
"$prefix/bin/q417-cli" feed --key "$tmp/07.key" "$tmp/plain.txt" >"$tmp/secret.txt"
"$prefix/bin/q417-cli" feed --key "$tmp/07.key" --rod 2 "$tmp/secret.txt" >"$tmp/back.txt"
grep -q 'ПРИВЕТ' "$tmp/back.txt" || fail "deciphered text: $(cat "$tmp/back.txt")"
echo "installed tree: settings in the user's folder, damaged file survived"
