#!/bin/sh
# One Wine prefix and one persistent wineserver for the whole test run, so every scenario
# starts in a prefix that is ready and a server that is already up.
#   wine_session.sh start|stop WINE64 WINESERVER PREFIX
set -u
action=$1 wine64=$2 wineserver=$3
WINEPREFIX=$4
WINEDEBUG=-all
WINEDLLOVERRIDES=mscoree,mshtml=
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
case $action in
start)
    "$wineserver" -k >/dev/null 2>&1
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX" || exit 1
    # The server and the prefix's services outlive this script: none may hold its output.
    "$wineserver" -p </dev/null >/dev/null 2>&1 || { echo "cannot start $wineserver"; exit 1; }
    "$wine64" wineboot -i </dev/null >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }
    echo "Wine prefix $WINEPREFIX ready"
    ;;
stop)
    "$wineserver" -k >/dev/null 2>&1
    echo "wineserver of $WINEPREFIX stopped"
    ;;
*)
    echo "usage: $0 start|stop WINE64 WINESERVER PREFIX" >&2
    exit 2
    ;;
esac
