# The .deb a user installs: built by CPack from this build, unpacked into a throw-away root, its
# menu entry and AppStream file validated, its dependencies read from the binary, nothing run by
# dpkg on install or removal, and the installed binary starting into its window under Xvfb.
source "$E2E_LIB"

OUT=$E2E_TMP/deb
ROOT=$E2E_TMP/root
cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$OUT" >"$E2E_TMP/cpack.log" 2>&1 || { cat "$E2E_TMP/cpack.log"; fail "cpack"; }
DEB=$(ls "$OUT"/tabulora_*.deb)
dpkg -x "$DEB" "$ROOT"

for f in usr/bin/tabulora usr/share/applications/org.tabulora.Tabulora.desktop \
         usr/share/metainfo/org.tabulora.Tabulora.metainfo.xml usr/share/icons/hicolor/scalable/apps/tabulora.svg \
         usr/share/doc/tabulora/manual/index.html; do
    [ -f "$ROOT/$f" ] || fail "$f is not in the package"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -s "$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/tabulora.png" ] || fail "no ${size}px icon"
done

desktop-file-validate "$ROOT/usr/share/applications/org.tabulora.Tabulora.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.tabulora.Tabulora.metainfo.xml" ||
    fail "appstreamcli validate"

depends=$(dpkg-deb -f "$DEB" Depends)
for lib in libqt6widgets6 librtmidi6 libxcb1 libc6; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
# No maintainer scripts: installing runs nothing, and removing leaves nothing behind.
controls=$(dpkg-deb --ctrl-tarfile "$DEB" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$controls" = "control md5sums " ] || fail "control files: $controls"

e2e_start_x
TABULORA_BIN=$ROOT/usr/bin/tabulora
e2e_start_app
echo "package: $(basename "$DEB"), $(du -k "$DEB" | cut -f1) kB; Depends: $depends"
