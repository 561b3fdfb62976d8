#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, checks the desktop program's
# files and entry, and runs the counter from there.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/out/folidex_*.deb)
dpkg-deb --field "$package" Depends | tee "$work/depends"
grep -q 'libqpdf' "$work/depends"
grep -q 'libqt6widgets' "$work/depends"

dpkg -x "$package" "$work/root"
test -f "$work/root/usr/share/man/man1/folidex-count.1"

# The program is reached through the PATH and finds its help document beside itself.
program=$(readlink -f "$work/root/usr/bin/folidex")
case "$program" in "$work/root/"*) ;; *) echo "usr/bin/folidex leads out of the package: $program"; exit 1 ;; esac
test -x "$program"
test -f "$(dirname "$program")/Folidex.html"
for size in 16 32 48 64 128 256; do test -f "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/folidex.png"; done
test -f "$work/root/usr/share/icons/hicolor/scalable/apps/folidex.svg"
desktop-file-validate "$work/root/usr/share/applications/folidex.desktop"
# It starts from there and keeps running until it is told to stop (a missing library or
# resource would end it at once).
mkdir "$work/home"
status=0
HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 5 "$work/root/usr/bin/folidex" || status=$?
[ "$status" -eq 124 ] || { echo "folidex ended by itself with status $status"; exit 1; }
"$work/root/usr/bin/folidex-count" --version | grep -q '^folidex-count '

mkdir "$work/docs"
printf '%s' '%PDF-1.4
1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj
2 0 obj << /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >> endobj
3 0 obj << /Type /Page /Parent 2 0 R >> endobj
4 0 obj << /Type /Page /Parent 2 0 R >> endobj
trailer << /Root 1 0 R >>
%%EOF
' >"$work/docs/two.pdf"
summary=$("$work/root/usr/bin/folidex-count" -q "$work/docs")
echo "$summary"
[ "$summary" = $'1 file(s) found\nTotal Pages : 2' ]
