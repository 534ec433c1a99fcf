#!/usr/bin/env bash
# package_test.sh BUILD_DIR: `cpack -G DEB` makes voltarix_<version>_amd64.deb holding exactly the
# files of `cmake --install --prefix /usr --strip`; the unpacked program runs.
set -euo pipefail
source "$(dirname "$0")/install_common.sh"
needs cpack dpkg-deb dpkg-shlibdeps file lintian Xvfb xdotool
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$work/voltarix_${version}_amd64.deb"

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
[ -f "$deb" ] || fail "no $deb: $(ls "$work")"

field() { dpkg-deb --field "$deb" "$1"; }
for expected in Package=voltarix "Version=$version" Architecture=amd64 Section=electronics; do
    [ "$(field "${expected%%=*}")" = "${expected#*=}" ] || fail "${expected%%=*}: $(field "${expected%%=*}")"
done
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@voltarix\.org\>$ ]] || fail "Maintainer: $(field Maintainer)"
for package in libc6 libqt6widgets6 libqt6printsupport6 fonts-liberation; do
    [[ ", $(field Depends)," =~ ,\ ${package}[\ ,] ]] || fail "Depends lacks $package: $(field Depends)"
done

DESTDIR="$work/installed" cmake --install "$build" --prefix /usr --strip >"$work/install.log" ||
    fail "cmake --install: $(cat "$work/install.log")"
dpkg-deb -x "$deb" "$work/root"
diff -r "$work/installed" "$work/root" >&2 || fail "the package differs from the install"
[ "$(ls -A "$work/root")" = usr ] || fail "files outside /usr: $(ls -A "$work/root")"
zcat "$work/root/usr/share/doc/voltarix/changelog.gz" | head -1 | grep -q "^voltarix ($version) " ||
    fail "the changelog does not start with $version"
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/org.voltarix.Voltarix.metainfo.xml" ||
    fail "the AppStream file has no release $version"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"

run_installed "$work/root/usr" "$work/home/.local/share/voltarix"
