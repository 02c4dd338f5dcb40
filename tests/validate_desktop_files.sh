#!/bin/sh
# Runs the desktop's own validators over the desktop entry and the AppStream
# metadata: validate_desktop_files.sh FILE.desktop FILE.metainfo.xml.
# Exits with 77 (skipped) when either tool is missing.
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || {
    echo "desktop-file-validate or appstreamcli is not installed"
    exit 77
}
desktop-file-validate "$1" || exit 1
# --no-net: the screenshot and web addresses name a placeholder host.
appstreamcli validate --no-net "$2" || exit 1
