#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR the way the package does
# (prefix /usr, stripped) and runs the installed programs from there:
# --version of both, and lumena-data render-board (alone and with the panel) on
# the installed sample routes with the installed sounds present. The installed programs must not
# know the source tree they were built from.
#   check-install.sh CMAKE BUILD_DIR SOURCE_DIR VERSION APP_ID
set -euo pipefail
cmake=$1 build=$2 source=$3 version=$4 app_id=$5
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() {
  echo "check-install: $*" >&2
  exit 1
}

DESTDIR=$dest "$cmake" --install "$build" --prefix /usr --strip >/dev/null
usr=$dest/usr
for f in bin/lumena bin/lumena-data \
  share/applications/"$app_id".desktop share/metainfo/"$app_id".metainfo.xml \
  share/icons/hicolor/scalable/apps/"$app_id".svg share/icons/hicolor/48x48/apps/"$app_id".png \
  share/man/man6/lumena.6.gz share/man/man1/lumena-data.1.gz \
  share/doc/lumena/copyright share/doc/lumena/changelog.gz \
  share/lumena/samples/data/12.hy3 share/lumena/samples/plugins/classic.4SP \
  share/lumena/samples/sounds/route-set.wav share/lumena/samples/sounds/step-chime.wav \
  share/lumena/samples/sounds/pre-chime-1.wav share/lumena/samples/sounds/pre-chime-2.wav \
  share/lumena/samples/sounds/pre-chime-3.wav share/lumena/samples/sounds/pre-chime-3.mid; do
  [ -s "$usr/$f" ] || fail "not installed: $f"
done

[ "$("$usr/bin/lumena-data" --version)" = "lumena-data $version" ] || fail "lumena-data --version"
[ "$("$usr/bin/lumena" --version)" = "lumena $version" ] || fail "lumena --version"

out=$("$usr/bin/lumena-data" render-board --data "$usr/share/lumena/samples/data" \
  --route 12 --section 1 --step 1 "$dest/board.png") || fail "render-board: $out"
[ "$(head -c 8 "$dest/board.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "render-board wrote no PNG"

"$usr/bin/lumena-data" render-board --with-panel --data "$usr/share/lumena/samples/data" \
  --route 305 --section 1 "$dest/both.png" >/dev/null || fail "render-board --with-panel"
[ -s "$dest/both.png" ] || fail "render-board --with-panel wrote nothing"

# (Not in a sanitizer build: the sanitizers name the source files.)
for exe in lumena lumena-data; do
  if [ "${LUMENA_SANITIZED:-0}" != 1 ] && grep -qF "$source" "$usr/bin/$exe"; then
    fail "$exe names the source tree $source"
  fi
done
echo "installed $(find "$dest" -type f | wc -l) files; $out"
