#!/bin/sh
# Installs the build into a temporary prefix and checks the desktop entry, the design file's
# MIME type, its icon, the manual page, the AppStream metainfo and the package's documents.
# Usage: test_instalacao.sh BUILD_DIR
set -eu
build=$1
fonte=$(cd "$(dirname "$0")/../.." && pwd)
if ! command -v desktop-file-validate >/dev/null 2>&1 || ! command -v update-mime-database >/dev/null 2>&1; then
  echo "SKIP: desktop-file-validate (desktop-file-utils) or update-mime-database (shared-mime-info) is not installed"
  exit 77
fi
prefixo=$(mktemp -d)
trap 'rm -rf "$prefixo"' EXIT
cmake --install "$build" --prefix "$prefixo" >/dev/null
falhou=0
falha() { echo "FAIL: $*"; falhou=1; }

test -x "$prefixo/bin/teluvar" || falha "bin/teluvar not installed"
entrada="$prefixo/share/applications/teluvar.desktop"
if desktop-file-validate "$entrada"; then echo "PASS: desktop-file-validate"; else falha "desktop-file-validate"; fi
grep -q '^Exec=teluvar %f$' "$entrada" || falha "Exec does not pass the file (%f)"
grep -q '^MimeType=application/x-teluvar-design;$' "$entrada" || falha "MimeType missing"

# The MIME database built from the installed package file knows the type, its glob and icon.
update-mime-database "$prefixo/share/mime"
tipo="$prefixo/share/mime/application/x-teluvar-design.xml"
test -f "$tipo" || falha "the MIME type is not in the database built from the package"
grep -q '^\(50:\)\?application/x-teluvar-design:\*\.tlv$' "$prefixo/share/mime/globs2" ||
  grep -q 'application/x-teluvar-design:\*\.tlv' "$prefixo/share/mime/globs2" || falha "no *.tlv glob"
# Its default comment is English, the Portuguese a translation.
grep -q '<comment>Telescope design (Projeto Teluvar)</comment>' "$tipo" ||
  falha "the type's default comment is not English"
grep -q '<comment xml:lang="pt_BR">Projeto de telescópio (Projeto Teluvar)</comment>' "$tipo" ||
  falha "the type's Portuguese comment is missing"
grep -q 'application/x-teluvar-design:application-x-teluvar-design' "$prefixo/share/mime/icons" ||
  falha "no icon for the type"
test -s "$prefixo/share/icons/hicolor/scalable/mimetypes/application-x-teluvar-design.svg" ||
  falha "the type's icon is not installed"
test -s "$prefixo/share/icons/hicolor/scalable/apps/teluvar.svg" || falha "program icon missing"

# The manual page is installed compressed, is the page of the sources, and formats without
# warnings.
# English by default, Portuguese for pt_BR.
for par in "man1:teluvar.en.1" "pt_BR/man1:teluvar.1"; do
  pasta=${par%%:*}
  pagina="$prefixo/share/man/$pasta/teluvar.1.gz"
  test -s "$pagina" || falha "$pasta/teluvar.1.gz not installed"
  test ! -e "$prefixo/share/man/$pasta/teluvar.1" || falha "an uncompressed $pasta/teluvar.1 is installed too"
  gzip -dc "$pagina" | cmp -s - "$fonte/resources/app/${par#*:}" ||
    falha "$pasta/teluvar.1.gz is not resources/app/${par#*:}"
  if command -v groff >/dev/null 2>&1; then
    avisos=$(gzip -dc "$pagina" | groff -k -man -Tutf8 -ww 2>&1 >/dev/null || true)
    test -z "$avisos" || falha "groff: $avisos"
  fi
done

# The AppStream metainfo names the desktop entry that is installed, and validates.
metainfo="$prefixo/share/metainfo/org.teluvar.Teluvar.metainfo.xml"
test -s "$metainfo" || falha "the AppStream metainfo is not installed"
grep -q '<launchable type="desktop-id">teluvar.desktop</launchable>' "$metainfo" ||
  falha "the metainfo does not launch teluvar.desktop"
if command -v appstreamcli >/dev/null 2>&1; then
  if appstreamcli validate --no-net "$metainfo" >/dev/null; then echo "PASS: appstreamcli validate"
  else falha "appstreamcli validate"; fi
else
  echo "appstreamcli (appstream) is not installed: the metainfo is not validated"
fi

# Debian's documents of the package: the copyright, and the changelog compressed.
test -s "$prefixo/share/doc/teluvar/copyright" || falha "no copyright"
gzip -t "$prefixo/share/doc/teluvar/changelog.gz" || falha "changelog.gz is not a gzip file"

if [ $falhou -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
