#!/usr/bin/env bash
# The installed tree and the .deb, as a package manager and the device's loader see them.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

version=$(sed -n '/<key>Version<\/key>/{n;s/.*<string>\(.*\)<\/string>.*/\1/p}' "$source/resources/informations.plist")
[ -n "$version" ] || fail "no Version in informations.plist"

cmake --install "$build" --prefix "$work/root" --component velmora >/dev/null
modules="$work/root/Library/MobileSubstrate/DynamicLibraries"
resources="$work/root/Library/Application Support/Velmora"
for file in "$modules/Velmora.so" "$modules/Velmora.plist" "$resources/informations.plist" \
            "$resources/ChangeLog.plist" "$resources/Languages/en.plist" "$resources/Themes/Default/developer.txt"; do
  [ -f "$file" ] || fail "cmake --install left out ${file#"$work/root"}"
done
grep -q '<string>com.apple.Preferences</string>' "$modules/Velmora.plist" || fail "the filter does not name the Settings app"
[ "$(ls "$work/root")" = Library ] || fail "cmake --install put more than Library/ at the root: $(ls "$work/root")"

cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >/dev/null
deb="$work/packages/com.corvane.velmora_${version}_iphoneos-arm.deb"
[ -f "$deb" ] || fail "cpack did not write $(basename "$deb"): $(ls "$work/packages")"
expect_field() {
  local value
  value=$(dpkg-deb --field "$deb" "$1")
  [ "$value" = "$2" ] || fail "control field $1 is '$value', expected '$2'"
}
expect_field Package com.corvane.velmora
expect_field Name Velmora
expect_field Version "$version"
expect_field Architecture iphoneos-arm
expect_field Section Tweaks
expect_field Depends mobilesubstrate
expect_field Author Corvane
for field in Maintainer Description; do
  [ -n "$(dpkg-deb --field "$deb" "$field")" ] || fail "no $field field"
done
contents=$(dpkg-deb --contents "$deb")
for path in "./Library/MobileSubstrate/DynamicLibraries/Velmora.so" "./Library/MobileSubstrate/DynamicLibraries/Velmora.plist" \
            "./Library/Application Support/Velmora/informations.plist"; do
  grep -qF " $path" <<<"$contents" || fail "the package lacks $path"
done
grep -v ' root/root ' <<<"$contents" && fail "files in the package not owned by root"
echo "package ok: $(basename "$deb")"
