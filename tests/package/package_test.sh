#!/usr/bin/env bash
# Builds the Debian package into the build folder (as `make package` does) and checks it:
# its control fields, files, manual pages, software-centre entry and a lintian run. As
# root it then installs the package with apt, starts the installed program under Xvfb on
# a folder, reads its first search through the accessibility bus, removes the package and
# checks that nothing of it is left under /usr. Other users get that part skipped.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
installed=false
cleanup() {
  if $installed; then apt-get remove --purge -y -qq folidex >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# The package, built afresh.
rm -f "$build"/folidex_*.deb "$build"/folidex-dbgsym_*.ddeb
(cd "$build" && cpack) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
package=$(echo "$build"/folidex_*.deb)
version=$(dpkg-deb --field "$package" Version)
echo "package: $(basename "$package"), $(stat -c %s "$package") bytes, installed size $(dpkg-deb --field "$package" Installed-Size) KiB"

# Depends: the libraries the programs link against, and Qt's platform plugins, which are
# loaded at run time.
depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
for name in qt6-qpa-plugins libqt6widgets6 libqpdf; do
  grep -q "\(^\|, \)$name" <<<"$depends" || fail "Depends does not name $name"
done

root=$work/root
dpkg-deb -x "$package" "$root"
# The programs are stripped; their debug symbols are in the -dbgsym package.
for binary in usr/bin/folidex-count usr/libexec/folidex/folidex; do
  ! readelf -S --wide "$root/$binary" | grep '\.debug_info' >/dev/null || fail "$binary keeps its debug information"
done
dpkg-deb -c "$build/folidex-dbgsym_${version}_"*.ddeb | grep '/usr/lib/debug/\.build-id/.*\.debug$' >/dev/null ||
  fail "no debug symbols in the -dbgsym package"
for page in folidex folidex-count; do
  gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "no compressed manual page for $page"
done
test -f "$root/usr/share/bash-completion/completions/folidex-count" || fail "no bash completion"
test -f "$root/usr/share/zsh/vendor-completions/_folidex-count" || fail "no zsh completion"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/usr/share/doc/folidex/copyright" || fail "the copyright file is not machine-readable"
desktop-file-validate "$root/usr/share/applications/folidex.desktop"
metainfo=$root/usr/share/metainfo/example.folidex.Folidex.metainfo.xml
appstreamcli validate --no-net "$metainfo"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the software-centre entry names another release"
lintian_status=0
lintian --fail-on error,warning --display-info "$package" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"

# The unpacked programs answer from there, the desktop program also without a display.
"$root/usr/bin/folidex-count" --version | grep "^folidex-count $version\$" >/dev/null
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/folidex" --version | grep "^folidex $version\$" >/dev/null

if [ "$(id -u)" -ne 0 ]; then
  echo "Installing the package needs root: the install, the first search and the removal are skipped."
  exit 77
fi

# A folder to open, and a home whose own PDF file shows if the folder given were ignored.
docs="$work/Scanned documents"
mkdir -p "$docs" "$work/home"
pdf() {  # pdf FILE PAGES
  local kids="" pages=""
  for ((page = 0; page < $2; ++page)); do
    kids+="$((page + 3)) 0 R "
    pages+="$((page + 3)) 0 obj << /Type /Page /Parent 2 0 R >> endobj"$'\n'
  done
  printf '%%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n2 0 obj << /Type /Pages /Kids [%s] /Count %d >> endobj\n%strailer << /Root 1 0 R >>\n%%%%EOF\n' \
    "$kids" "$2" "$pages" >"$1"
}
pdf "$docs/invoice.pdf" 2
pdf "$docs/Report.PDF" 3
echo "not a pdf" >"$docs/notes.txt"
pdf "$work/home/elsewhere.pdf" 1

if dpkg-query -W -f='${Status}' folidex 2>/dev/null | grep 'ok installed' >/dev/null; then
  echo "Removing the folidex package installed before this test."
  apt-get remove --purge -y -qq folidex
fi
# What of the package's paths is there before it is installed (shared folders such as /usr/share/man).
existing() {  # prints the paths of standard input that exist
  while read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then echo "$path"; fi
  done
}
dpkg-deb -c "$package" | awk '{ sub(/^\./, "", $6); sub(/\/$/, "", $6); if ($6 != "") print $6 }' | sort >"$work/paths"
existing <"$work/paths" >"$work/there-before"

# Installed as a user would install it, without the recommended packages.
apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "$package" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; exit 1; }
installed=true
test "$(readlink -f /usr/bin/folidex)" = /usr/libexec/folidex/folidex
test -f /usr/libexec/folidex/Folidex.html
folidex-count -q "$docs" 2>&1 | diff - <(printf '2 file(s) found\nTotal Pages : 5\n')
bash -c 'source /usr/share/bash-completion/completions/folidex-count && complete -p folidex-count' >/dev/null ||
  fail "the installed bash completion does not complete folidex-count"
# File managers offer the program for folders.
grep -q '^inode/directory=.*folidex\.desktop' /usr/share/applications/mimeinfo.cache ||
  fail "folidex.desktop is not registered for folders"

# The installed program, opened on the folder through its desktop entry as a file manager
# opens it ("Open With"), under a virtual display with an accessibility bus on which its
# window is read as a screen reader reads it: the address, the names the grid lists, the
# status texts and the total, all as the user sees them. File > Exit then ends it.
cat >"$work/first-search.sh" <<EOF
# Starts the accessibility bus first, so the program finds it when it starts.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)'
gio launch /usr/share/applications/folidex.desktop "\$1"
/usr/bin/python3 "$here/read_window.py" >"$work/shown"
EOF
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PYTHONDONTWRITEBYTECODE=1 \
  xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- bash "$work/first-search.sh" "$docs" \
  >"$work/session.log" 2>&1 || { cat "$work/session.log"; fail "the window's first search was not seen"; }
cat "$work/shown"
diff "$work/shown" - <<EOF || fail "the first search did not list the folder given"
address: $docs/
files: Report.PDF, invoice.pdf
status: Done | 2 file(s) found
total: Total Pages : 5
EOF

apt-get remove --purge -y -qq folidex >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
installed=false
# Nothing of the package is left: no path it brought that was not there before, no file
# under /usr named after it, and the caches its install updated no longer name it.
state=$(dpkg-query -W -f='${Status}' folidex 2>/dev/null || true)
case "$state" in "" | *not-installed) ;; *) fail "dpkg still has folidex as: $state" ;; esac
left=$(comm -23 "$work/paths" "$work/there-before" | existing)
[ -z "$left" ] || fail "left after removal: $left"
named=$(find /usr -xdev -iname '*folidex*' -print)
[ -z "$named" ] || fail "left after removal: $named"
for cache in /usr/share/applications/mimeinfo.cache /usr/share/icons/hicolor/icon-theme.cache; do
  if [ -e "$cache" ] && grep -q folidex "$cache"; then fail "$cache still names folidex"; fi
done
echo "installed, searched the folder given, removed without a trace under /usr"
