#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages (scripts/package.sh) and checks them: the desktop entry
# and the AppStream metadata pass their validators, the icons agree with each other and
# the committed pictures with their generator, lintian finds no error or warning, and
# the packages install, work and remove cleanly on this machine. Every check runs even
# when an earlier one fails; the last line gives the totals, and the exit status is
# non-zero if any check failed.
#
# The install test needs root and apt (as on CI); it removes everything it installed,
# packages pulled in as dependencies included, and leaves no file of ours behind.
# SKIP_BUILD=1 checks the packages already in $BUILD (build-package/).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
build=${BUILD:-build-package}
app_id=example.tarnwick.Kolvane
passed=0
failed=0
work=$(mktemp -d -t kolvane-package-check.XXXXXX)

check() { # check NAME COMMAND...: runs one check, prints its verdict, counts it
  local name=$1
  shift
  echo
  echo "--- $name"
  if "$@"; then
    echo "PASS: $name"
    passed=$((passed + 1))
  else
    echo "FAIL: $name"
    failed=$((failed + 1))
  fi
}

debs() { compgen -G "$build/*.deb"; }
deb_of() { compgen -G "$build/$1_*.deb" | head -n 1; }

build_packages() {
  [ "${SKIP_BUILD:-0}" = 1 ] || BUILD=$build bash scripts/package.sh || return 1
  local deb missing=0
  for pkg in kolvane libqevbutton1 libqevbutton-dev; do
    deb=$(deb_of "$pkg")
    if [ -z "$deb" ]; then
      echo "no package $pkg in $build"
      missing=1
    fi
  done
  return $missing
}


# desktop-file-validate prints nothing for a clean entry; hints are not faults.
desktop_entry() {
  local out
  out=$(desktop-file-validate "$build/packaging/$app_id.desktop" 2>&1)
  local status=$?
  [ -n "$out" ] && echo "$out"
  [ $status -eq 0 ] && ! grep -Eq '(error|warning):' <<<"$out"
}

# Errors and warnings fail; infos and pedantic notes are printed only.
metainfo() {
  local out status
  out=$(appstreamcli validate --no-net --pedantic "$build/packaging/$app_id.metainfo.xml" 2>&1)
  status=$?
  echo "$out"
  [ $status -eq 0 ] && ! grep -Eq '^[[:space:]]*(E|W):' <<<"$out"
}

# The metadata as the package installs it: the launchable's desktop entry and the icon
# must be found beside it, as a software centre looks for them.
metainfo_tree() {
  local deb out status
  deb=$(deb_of kolvane) || return 1
  [ -n "$deb" ] || { echo "no kolvane package"; return 1; }
  rm -rf "$work/tree" && mkdir -p "$work/tree" && dpkg-deb -x "$deb" "$work/tree" || return 1
  out=$(appstreamcli validate-tree --no-net --pedantic "$work/tree" 2>&1)
  status=$?
  echo "$out"
  [ $status -eq 0 ] && ! grep -Eq '^[[:space:]]*(E|W):' <<<"$out"
}

# Every size is the size its folder names; the SVG drawn at 256 pixels is the 256-pixel
# PNG but for antialiasing (at most 1 % of the pixels off by more than 5 %); the 32-pixel
# theme icon is the window icon.
icons() {
  local dir=resources/icons/hicolor ok=0 size file got differ
  for size in 16 22 24 32 48 64 128 256; do
    file=$dir/${size}x${size}/apps/$app_id.png
    got=$(identify -format '%wx%h' "$file" 2>/dev/null)
    if [ "$got" != "${size}x${size}" ]; then
      echo "$file: ${got:-unreadable}, not ${size}x${size}"
      ok=1
    fi
  done
  rsvg-convert -w 256 -h 256 "$dir/scalable/apps/$app_id.svg" -o "$work/svg-256.png" || return 1
  differ=$(compare -metric AE -fuzz 5% "$work/svg-256.png" "$dir/256x256/apps/$app_id.png" null: 2>&1)
  echo "SVG at 256 px: $differ of 65536 pixels differ from the PNG by more than 5 %"
  if ! [[ "$differ" =~ ^[0-9]+$ ]] || [ "$differ" -gt 655 ]; then ok=1; fi
  if ! cmp -s "$dir/32x32/apps/$app_id.png" resources/kolvane.png; then
    echo "the 32-pixel theme icon is not the window icon resources/kolvane.png"
    ok=1
  fi
  return $ok
}

# The generator needs the tools option; its own small build tree.
pictures_up_to_date() {
  cmake -S . -B "$build-tools" -DKOLVANE_BUILD_TOOLS=ON -DKOLVANE_BUILD_BENCH=OFF >/dev/null &&
    cmake --build "$build-tools" -j"$(nproc)" --target drawresources >/dev/null &&
    ctest --test-dir "$build-tools" -R '^resources_up_to_date$' --output-on-failure --no-tests=error
}

# What each package must hold, and the exact version the development package needs.
contents() {
  local ok=0 deb version pattern
  expect() { # expect PACKAGE PATTERN...: each pattern matches a path in the package
    local pkg=$1 listing
    shift
    deb=$(deb_of "$pkg")
    [ -n "$deb" ] || { echo "no package $pkg"; ok=1; return; }
    listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
    for pattern in "$@"; do
      grep -Eq "^\./$pattern\$" <<<"$listing" || { echo "$pkg lacks $pattern"; ok=1; }
    done
  }
  expect kolvane usr/bin/kolvane usr/bin/kolvane-cli 'usr/lib/[^/]+/kolvane/kolvane' \
    'usr/lib/[^/]+/kolvane/kolvane-labels-pdf' \
    'usr/lib/[^/]+/kolvane/help.html' "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/icons/hicolor/(16x16|22x22|24x24|32x32|48x48|64x64|128x128|256x256)/apps/$app_id.png" \
    usr/share/man/man1/kolvane.1.gz usr/share/man/man1/kolvane-cli.1.gz \
    usr/share/bash-completion/completions/kolvane-cli \
    usr/share/doc/kolvane/copyright usr/share/doc/kolvane/changelog.gz
  expect libqevbutton1 'usr/lib/[^/]+/libqevbutton\.so\.1' 'usr/lib/[^/]+/libqevbutton\.so\.1\..+' \
    usr/share/doc/libqevbutton1/copyright
  expect libqevbutton-dev 'usr/lib/[^/]+/libqevbutton\.so' 'usr/include/qevbutton/.+\.h' \
    'usr/lib/[^/]+/cmake/QevButton/QevButtonConfig\.cmake' \
    'usr/lib/[^/]+/qt6/plugins/designer/.+\.so' usr/share/doc/libqevbutton-dev/copyright
  deb=$(deb_of libqevbutton-dev)
  if [ -n "$deb" ]; then
    version=$(dpkg-deb -f "$deb" Version)
    dpkg-deb -f "$deb" Depends | grep -Fq "libqevbutton1 (= $version)" ||
      { echo "libqevbutton-dev does not depend on libqevbutton1 (= $version)"; ok=1; }
  fi
  for deb in $(debs); do
    echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
  done
  return $ok
}

# Errors and warnings fail; infos and pedantic notes are listed for the record.
lintian_check() {
  local list
  list=$(debs)
  [ -n "$list" ] || { echo "no packages"; return 1; }
  # shellcheck disable=SC2086
  lintian --info --pedantic --fail-on error,warning $list
}

# --- install test -------------------------------------------------------------------

installed_packages() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' 2>/dev/null | awk '$1 ~ /^.i/ {print $2}' | sort; }
our_packages() { for deb in $(debs); do dpkg-deb -f "$deb" Package; done; }

cleanup_installed() {
  [ -f "$work/before" ] || return 0
  local ours extra
  ours=$(our_packages | tr '\n' ' ')
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $ours >/dev/null 2>&1
  extra=$(comm -13 "$work/before" <(installed_packages) | tr '\n' ' ')
  if [ -n "${extra// /}" ]; then
    echo "purging what the packages pulled in: $extra"
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $extra >/dev/null 2>&1
  fi
  rm -f "$work/before"
}

# Closes the program through its own File, Exit (the menu bar's access keys) under
# Xvfb with a window manager, once its main window is up; it must end with status 0.
start_and_close() {
  local display_file="$work/display" xvfb wm app dnum status=1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  dnum=$(cat "$display_file")
  [ -n "$dnum" ] || { kill "$xvfb"; echo "Xvfb did not start"; return 1; }
  export DISPLAY=:$dnum
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 0.5
  /usr/bin/kolvane >"$work/kolvane.log" 2>&1 &
  app=$!
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Kolvane v' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -n "$window" ]; then
    echo "main window up: $(xdotool getwindowname "$window")"
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    sleep 0.3
    xdotool key --clearmodifiers alt+f
    sleep 0.3
    xdotool key --clearmodifiers e
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$app" 2>/dev/null; then
      echo "kolvane did not end after File, Exit"
      kill "$app"
    else
      wait "$app"
      status=$?
      echo "kolvane ended with status $status"
    fi
  else
    echo "no main window within 10 s"
    kill "$app" 2>/dev/null
    cat "$work/kolvane.log"
  fi
  kill "$wm" "$xvfb" 2>/dev/null
  wait "$wm" "$xvfb" 2>/dev/null
  unset DISPLAY
  return $status
}

# The consumer example against the installed development package only.
consumer_example() {
  local src=examples/qevbutton-consumer dir="$work/consumer" exe
  [ -f "$src/CMakeLists.txt" ] || { echo "no $src"; return 1; }
  rm -rf "$dir" && cp -r "$src" "$dir" || return 1
  # A copy under /usr/local from an earlier "cmake --install" must not stand in for it.
  cmake -S "$dir" -B "$dir/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_IGNORE_PREFIX_PATH=/usr/local >/dev/null &&
    cmake --build "$dir/build" -j"$(nproc)" >/dev/null || return 1
  local found
  found=$(grep -E '^QevButton_DIR:' "$dir/build/CMakeCache.txt" | cut -d= -f2)
  echo "QevButton found in $found"
  [[ "$found" == /usr/lib/* ]] || { echo "not the installed package"; return 1; }
  exe=$(find "$dir/build" -path '*/CMakeFiles' -prune -o -type f -executable -print | head -n 1)
  [ -n "$exe" ] || { echo "no executable built"; return 1; }
  QT_QPA_PLATFORM=offscreen timeout 60 "$exe" --self-test
}

designer_plugin() {
  local dir="$work/designercheck"
  cmake -S packaging/designer-check -B "$dir" >/dev/null &&
    cmake --build "$dir" >/dev/null &&
    QT_QPA_PLATFORM=offscreen timeout 60 "$dir/designercheck"
}

cli_decodes() {
  local out
  out=$(/usr/bin/kolvane-cli decode red red orange) || return 1
  echo "kolvane-cli decode red red orange: $out"
  out=$(/usr/bin/kolvane-cli decode --json red red orange) || return 1
  echo "  as JSON: $out"
  # 22 × 1000 ohms, a plain number in the base unit.
  grep -Eq '(^|[^0-9.])22000(\.0+)?([^0-9]|$)' <<<"$out"
}

# The PDF path as installed: the helper beside the program, its platform plugin and the
# font the package depends on, read back as text.
cli_labels_pdf() {
  local pdf="$work/labels.pdf" text
  (cd "$work" && /usr/bin/kolvane-cli labels --values 4k7,100 -o "$pdf") || return 1
  text=$(pdftotext "$pdf" -) || return 1
  echo "kolvane-cli labels --values 4k7,100: $(tr '\n' ' ' <<<"$text" | head -c 80)"
  grep -q "4.7 kΩ" <<<"$text" && grep -q "100 Ω" <<<"$text"
}

manual_pages() {
  local page
  for page in kolvane kolvane-cli; do
    man -w "$page" | grep -q "^/usr/share/man/man1/$page.1.gz$" || { echo "man cannot find $page"; return 1; }
    MANPAGER=cat MANWIDTH=80 man "$page" 2>/dev/null | grep -q "$page" || { echo "man $page shows nothing"; return 1; }
  done
}

desktop_integration() {
  local ok=0 size
  desktop-file-validate "/usr/share/applications/$app_id.desktop" || ok=1
  for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "/usr/share/icons/hicolor/$size/apps/$app_id.png" ] || { echo "no $size icon"; ok=1; }
  done
  [ -f "/usr/share/metainfo/$app_id.metainfo.xml" ] || { echo "no metadata"; ok=1; }
  [ "$(readlink -f /usr/bin/kolvane)" = "$(dpkg -L kolvane | grep -E '/kolvane/kolvane$')" ] ||
    { echo "/usr/bin/kolvane does not lead to the program beside help.html"; ok=1; }
  return $ok
}

install_test() {
  local list ours type path leftover=0
  list=$(debs)
  [ -n "$list" ] || { echo "no packages"; return 1; }
  [ "$(id -u)" -eq 0 ] || { echo "the install test needs root"; return 1; }
  ours=$(our_packages)
  for pkg in $ours; do
    if dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null | grep -q '^.i'; then
      echo "$pkg is installed already; not touching it"
      return 1
    fi
  done
  # Our files, and the folders that do not exist yet: all must be gone after removal.
  for deb in $list; do dpkg-deb -c "$deb"; done |
    awk '{sub(/^\./, "", $6); sub(/\/$/, "", $6); if ($6 != "") print substr($1, 1, 1), $6}' |
    sort -u -k2 >"$work/paths"
  : >"$work/gone"
  while read -r type path; do
    if [ "$type" = d ]; then
      [ -d "$path" ] || echo "$path" >>"$work/gone"
    elif [ -e "$path" ] || [ -L "$path" ]; then
      echo "$path exists already; not installing over it"
      return 1
    else
      echo "$path" >>"$work/gone"
    fi
  done <"$work/paths"

  installed_packages >"$work/before"
  local debs_abs=""
  for deb in $list; do debs_abs+=" $(readlink -f "$deb")"; done
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $debs_abs ||
    { cleanup_installed; return 1; }

  local ok=0
  check "installed: kolvane-cli decodes red red orange" cli_decodes
  check "installed: kolvane-cli labels writes a PDF with its text" cli_labels_pdf
  check "installed: man kolvane and man kolvane-cli" manual_pages
  check "installed: desktop entry, icons, metadata, /usr/bin/kolvane link" desktop_integration
  check "installed: kolvane opens its main window and closes" start_and_close
  check "installed: the consumer example builds against libqevbutton-dev and passes its self-test" consumer_example
  check "installed: Qt's form loader finds the button's Designer plugin" designer_plugin

  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq $ours >/dev/null || ok=1
  while read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then echo "left behind: $path"; leftover=1; fi
  done <"$work/gone"
  echo "after removal: $(wc -l <"$work/gone") files and folders of ours checked"
  for pkg in $ours; do
    if dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null | grep -q '^.[ic]'; then
      echo "$pkg is still known to dpkg after removal"
      leftover=1
    fi
  done
  cleanup_installed
  [ $ok -eq 0 ] && [ $leftover -eq 0 ]
}

trap 'cleanup_installed; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

check "packages built (kolvane, libqevbutton1, libqevbutton-dev)" build_packages
check "desktop-file-validate" desktop_entry
check "appstreamcli validate" metainfo
check "appstreamcli validate-tree of the kolvane package" metainfo_tree
check "icons: sizes, SVG against PNG, window icon" icons
check "committed pictures match their generator" pictures_up_to_date
check "package contents and dependencies" contents
check "lintian: no error or warning" lintian_check
check "install, use and remove the packages" install_test

echo
echo "Package checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
