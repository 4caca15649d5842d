#!/usr/bin/env bash
# Checks the installed program and the Debian package made by `make package`: the desktop
# entry and the AppStream metadata pass their validators, the package holds the expected
# files, and the program installed into a scratch folder starts offscreen and finds its help.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

desktop-file-validate packaging/tremora.desktop
appstreamcli validate --no-net packaging/io.github.tremora.Tremora.metainfo.xml

deb=$(ls "$BUILD"/tremora_*.deb | head -n1)
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/tremora ./usr/share/tremora/tremora.qhc ./usr/share/tremora/tremora.qch \
    ./usr/share/applications/tremora.desktop ./usr/share/metainfo/io.github.tremora.Tremora.metainfo.xml \
    ./usr/share/mime/packages/tremora.xml ./usr/share/icons/hicolor/scalable/apps/tremora.svg \
    ./usr/share/icons/hicolor/48x48/apps/tremora.png; do
    if ! grep -q " $file\$" <<<"$contents"; then
        echo "missing from $deb: $file"
        exit 1
    fi
done
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 qt6-translations-l10n fonts-liberation; do
    grep -q "$needed" <<<"$depends" || { echo "$deb does not depend on $needed: $depends"; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch" cmake --install "$BUILD" --prefix /usr >/dev/null
"$scratch/usr/bin/tremora" --version
env -u TREMORA_HELP_DIR QT_QPA_PLATFORM=offscreen "$scratch/usr/bin/tremora" --controlla-guida
# The whole program starts and keeps running until it is stopped.
status=0
env -u TREMORA_HELP_DIR QT_QPA_PLATFORM=offscreen timeout 5 "$scratch/usr/bin/tremora" \
    >/dev/null 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "the installed program ended by itself (exit $status)"
    exit 1
fi
echo "package: $(basename "$deb"), Depends: $depends"
