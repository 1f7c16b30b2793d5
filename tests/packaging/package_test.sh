#!/usr/bin/env bash
# The Debian package and the installed programs: builds the .deb from the
# build tree, checks its contents, its desktop entry and its AppStream
# metadata, then installs into a temporary prefix and runs the programs from
# there (they must find their data in ../share/bulbicalc).
#   package_test.sh BUILD_DIR FIXTURES_DIR
set -euo pipefail
build=$1
fixtures=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX="$work/deb" -B "$work/cpack" > "$work/cpack.log")
deb=$(ls "$work"/deb/bulbicalc_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/contents"
for path in /usr/bin/bulbicalc /usr/bin/bulbicalc-lote \
  /usr/share/applications/org.bulbicalc.Bulbicalc.desktop \
  /usr/share/metainfo/org.bulbicalc.Bulbicalc.metainfo.xml \
  /usr/share/icons/hicolor/48x48/apps/bulbicalc.png /usr/share/icons/hicolor/scalable/apps/bulbicalc.svg \
  /usr/share/bulbicalc/Auxiliares/AdubosMinerais.txt /usr/share/bulbicalc/Auxiliares/AdubosOrganicos.txt \
  /usr/share/bulbicalc/Auxiliares/ModeloRelatorio.xlsx /usr/share/bulbicalc/Ajuda/ajuda_Entrada.pdf \
  /usr/share/bulbicalc/Imagens/Fotos/foto1.jpg /usr/share/bulbicalc/Imagens/logo_bulbicalc.png; do
  grep -qx "$path" "$work/contents" || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt dependency worked out"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.bulbicalc.Bulbicalc.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.bulbicalc.Bulbicalc.metainfo.xml" > /dev/null

# The programs run from wherever the package is unpacked.
"$work/root/usr/bin/bulbicalc-lote" --version | grep -qx 'bulbicalc-lote 1.0'
cp "$fixtures/laudo_pr_no_till.txt" "$work/talhao.txt"
"$work/root/usr/bin/bulbicalc-lote" --txt --pdf --xlsx "$work/talhao.txt"
for report in talhao.relatorio.txt talhao.pdf talhao.xlsx; do
  [ -s "$work/$report" ] || { echo "the installed batch wrote no $report"; exit 1; }
done
# The window starts, finds its data and stays up until it is closed.
status=0
HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/bulbicalc" > "$work/window.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "the installed window ended by itself ($status)"; cat "$work/window.log"; exit 1; }
echo "package and installed programs are fine"
