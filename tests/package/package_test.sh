#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and runs the counter from there.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/out/folidex_*.deb)
dpkg-deb --field "$package" Depends | tee "$work/depends"
grep -q 'libqpdf' "$work/depends"

dpkg -x "$package" "$work/root"
test -f "$work/root/usr/share/man/man1/folidex-count.1"
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
