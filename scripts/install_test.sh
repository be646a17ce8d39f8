#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a built Zorbit into a temporary prefix and checks it as a desktop program: the tree, the
# desktop entry and AppStream metadata, the command line, a start from a read-only prefix that
# writes only into the user's folders, and the Debian package.
# Usage: scripts/install_test.sh [build folder, default build-test]
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(cd "${1:-build-test}" && pwd)"
work="$(mktemp -d)"
prefix="$work/prefix"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }
# Nothing from a build or a test run may point the program elsewhere.
unset ZORBIT_PROGRAM_DIR ZORBIT_EXIT_WHEN_SHOWN

cmake --install "$build" --prefix "$prefix" >/dev/null

# What packaging installs, as cmake --install recorded it: the tree holds exactly these files, the
# programs among them (in bin/ and lib/zorbit/, beside the modules) can run, and the Debian package
# holds them too.
manifest="$build/install_manifest.txt"
[ -s "$manifest" ] || fail "cmake --install left no $manifest"
mapfile -t expected < <(sed "s|^$prefix/||" "$manifest" | sort)
for f in "${expected[@]}"; do
  [[ "$f" != /* ]] || fail "installed outside the prefix: $f"
  [ -f "$prefix/$f" ] || fail "missing $f"
  case "$f" in *.so) ;; bin/* | lib/zorbit/*) [ -x "$prefix/$f" ] || fail "$f is not executable" ;; esac
done
for f in bin/Zorbit share/applications/org.example.Zorbit.desktop share/metainfo/org.example.Zorbit.metainfo.xml; do
  [ -f "$prefix/$f" ] || fail "packaging installs no $f"
done
listed=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)
[ "$listed" = "$(printf '%s\n' "${expected[@]}")" ] ||
  fail "the tree and the manifest differ: $(diff <(echo "$listed") <(printf '%s\n' "${expected[@]}"))"
echo "install test: the tree holds the ${#expected[@]} files packaging installs"

desktop-file-validate "$prefix/share/applications/org.example.Zorbit.desktop"
report=$(appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Zorbit.metainfo.xml") || fail "$report"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/org.example.Zorbit.svg" || fail "the icon is no SVG"
echo "install test: desktop entry and AppStream metadata validate"

# The command line answers without a display.
zorbit() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/Zorbit" "$@"; }
zorbit --help | grep -q '^Usage: Zorbit' || fail "--help"
zorbit --version | grep -Eqx 'Zorbit 2\.[0-9]+\.[0-9]+' || fail "--version printed: $(zorbit --version)"
set +e
err=$(zorbit --no-such-option 2>&1 >/dev/null); code=$?
set -e
[ "$code" -eq 2 ] || fail "an unknown option ended with $code, not 2"
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [[ "$err" == *--no-such-option* ]] || fail "an unknown option said: $err"
echo "install test: --help, --version and an unknown option answer as they should"

# Started from a read-only prefix with a fresh home: the window shows, the work lands in the
# per-user data folder, and nothing in the prefix changes (root ignores the permission bits, so
# compare the tree as well).
chmod -R a-w "$prefix"
listing() { (cd "$prefix" && find . -printf '%p %y %s %T@\n' | sort); }
before=$(listing)
home="$work/home"
mkdir -p "$home"
as_user() { (cd "$home" && env HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
  XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen "$@"); }
mkdir -p -m 700 "$home/runtime"
shown=$(as_user env ZORBIT_EXIT_WHEN_SHOWN=1 timeout 60 "$prefix/bin/Zorbit") || fail "the installed Zorbit did not start"
[[ "$shown" == *resident_kb* ]] || fail "the installed Zorbit showed no window"
[ -d "$home/data/Zorbit" ] || fail "no work folder in the user's data folder"
as_user env ZORBIT_PROGRAM_DIR="$prefix/bin" "$build/tests/installed_tree_tests" -silent
[ -f "$home/data/Zorbit/Tools.rel" ] && [ -f "$home/data/Zorbit/Graphs/(1+i)+(2).jpg" ] || fail "the work is not in the user's data folder"
after=$(listing)
[ "$before" = "$after" ] || fail "the prefix changed: $(diff <(echo "$before") <(echo "$after"))"
echo "install test: the installed Zorbit starts from a read-only prefix and works in $home/data/Zorbit only"

# The Debian package.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack -G DEB failed"
deb=$(ls "$work"/package/zorbit_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in "${expected[@]}"; do grep -qx "\./usr/$f" <<<"$contents" || fail "the package lacks /usr/$f"; done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6gui6 libqt6core6 xdg-utils; do
  [[ "$depends" == *"$p"* ]] || fail "the package does not depend on $p: $depends"
done
echo "install test: $(basename "$deb") holds the tree and depends on: $depends"
