#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree, unpacks it into a scratch root and checks that
# it installs like a desktop application: every file, a valid desktop entry, and .Q72 files
# recognised by name and by their magic.
#     package_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
debs=("$scratch"/out/formwright_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no formwright_*.deb" >&2; exit 1; }
root="$scratch/root"
dpkg -x "${debs[0]}" "$root"

for file in \
  usr/bin/formwright \
  usr/bin/formwright-cli \
  usr/share/applications/formwright.desktop \
  usr/share/icons/hicolor/scalable/apps/formwright.svg \
  usr/share/mime/packages/formwright.xml \
  usr/share/man/man1/formwright.1.gz \
  usr/share/man/man1/formwright-cli.1.gz \
  usr/share/formwright/language-template.lng; do
  [ -s "$root/$file" ] || fail "the package lacks $file"
done
[ -x "$root/usr/bin/formwright" ] || fail "formwright is not executable"
depends=$(dpkg-deb --field "${debs[0]}" Depends)
for package in libqt6widgets6 qt6-qpa-plugins; do
  [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

desktop-file-validate "$root/usr/share/applications/formwright.desktop" || fail "desktop-file-validate"

# The installed programs run from the scratch root.
"$root/usr/bin/formwright" --version | grep -q '^formwright ' || fail "formwright --version"
"$root/usr/bin/formwright-cli" language-check "$root/usr/share/formwright/language-template.lng" ||
  fail "the installed template has findings"

# A shared MIME database of this package alone, as update-mime-database builds it on install.
mime="$scratch/xdg/mime"
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/formwright.xml" "$mime/packages/"
update-mime-database "$mime" >/dev/null 2>&1
"$root/usr/bin/formwright-cli" new "$scratch/shop.Q72"
cp "$scratch/shop.Q72" "$scratch/no-extension"
printf 'not a project' >"$scratch/named.q72"
printf 'Q72 notes\n' >"$scratch/notes.txt"
content_type() {
  XDG_DATA_DIRS="$scratch/xdg" XDG_DATA_HOME="$scratch/none" \
    gio info --attributes=standard::content-type "$1" 2>/dev/null | sed -n 's/.*standard::content-type: //p'
}
for file in shop.Q72 no-extension named.q72; do
  type=$(content_type "$scratch/$file")
  [ "$type" = application/x-q720-project ] || fail "$file is '$type', not application/x-q720-project"
done
[ "$(content_type "$scratch/notes.txt")" != application/x-q720-project ] || fail "any text file is a project"

# The installed designer keeps its preferences in the user's configuration folder, never in
# bin/ (which root could write). Opening a file writes them (recent list).
home="$scratch/home"
prefs="$home/.config/formwright/FWQ720.ini"
mkdir -p "$home"
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/formwright" "$scratch/shop.Q72" >"$scratch/designer.log" 2>&1 &
designer=$!
for _ in $(seq 100); do
  [ -s "$prefs" ] && break
  sleep 0.1
done
kill "$designer" 2>/dev/null || true
wait "$designer" 2>/dev/null || true
[ -s "$prefs" ] || fail "the installed designer kept no preferences in ~/.config/formwright"
[ ! -e "$root/usr/bin/FWQ720.ini" ] || fail "the installed designer wrote its preferences into bin/"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "package ${debs[0]##*/}: every file present, desktop entry valid, .Q72 recognised"
