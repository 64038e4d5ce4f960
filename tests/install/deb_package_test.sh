#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack and checks it as a distribution would: its files, its dependencies, lintian.
#   deb_package_test.sh CPACK BUILD-DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3

source "$(dirname "$0")/../support/scratch.sh"

"$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/out" 2>&1 || { cat "$work/out" >&2; fail "cpack failed"; }
deb=$work/zorvik_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no $deb: $(ls "$work")"

id=io.github.zorvik.Zorvik
expected=(games/zorvik games/zorvik-check games/zorvik-studio libexec/zorvik/zorvik
  share/applications/$id{,.Studio}.desktop share/metainfo/$id{,.Studio}.metainfo.xml
  share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg share/man/man6/zorvik.6.gz share/man/man1/zorvik-{check,studio}.1.gz
  share/doc/zorvik/{COPYING,copyright,changelog.gz}
  share/zorvik/levels/{release-1.0,former-names})
for size in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
dpkg-deb -c "$deb" | sed -n 's|^-.* \./usr/||p' >"$work/files" || fail "dpkg-deb cannot read it"
diff <(printf '%s\n' "${expected[@]}" | sort) <(grep -v '\.ZVK$' "$work/files" | sort) ||
  fail "the package's files differ from the list (< missing, > not expected)"
(($(grep -c '^share/zorvik/levels/.*\.ZVK$' "$work/files") >= 30)) || fail "the pack is not in the package"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *qt6-qpa-plugins* ]] || fail "dependencies: $depends"
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian" >&2; fail "lintian finds errors or warnings"; }
echo "Debian package: ok"
