#!/bin/sh
# Checks built Windows plug-ins the way the game will load them: a 64-bit DLL that binds the
# host's eight operations from ScriptHookRDR2.dll by their decorated names, needs no MinGW
# runtime DLL (the game folder has none) and exports nothing of its own.
#   check_pe.sh OBJDUMP FILE...
set -u
if [ $# -lt 2 ]; then
    echo "usage: $0 OBJDUMP FILE..." >&2
    exit 2
fi
objdump=$1
shift

host_names='?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z
?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z
?scriptWait@@YAXK@Z
?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z
?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z
?nativeInit@@YAX_K@Z
?nativePush64@@YAX_K@Z
?nativeCall@@YAPEA_KXZ'

# DLLs that every Windows installation has.
is_system_dll() {
    case $(printf '%s' "$1" | tr '[:upper:]' '[:lower:]') in
        kernel32.dll | msvcrt.dll | ntdll.dll | user32.dll | advapi32.dll | ucrtbase.dll | \
        shell32.dll | ole32.dll | oleaut32.dll | gdi32.dll | ws2_32.dll | winmm.dll | \
        version.dll | shlwapi.dll | bcrypt.dll | api-ms-win-*.dll) return 0 ;;
        *) return 1 ;;
    esac
}

fail() {
    echo "FAIL: $file: $*"
    file_failed=1
}

failed=0
for file in "$@"; do
    file_failed=0
    if ! dump=$("$objdump" -p "$file" 2>&1); then
        fail "objdump: $dump"
        failed=1
        continue
    fi

    printf '%s\n' "$dump" | grep -Eq '^Magic[[:space:]]+020b' || fail "not PE32+ (Magic 020b)"
    printf '%s\n' "$dump" | awk '/^Characteristics/ {in_c = 1; next} in_c && /^$/ {exit}
        in_c && $1 == "DLL" {found = 1} END {exit !found}' || fail "is not a DLL"

    # "DLL|member" for every import.
    imports=$(printf '%s\n' "$dump" | awk '
        /^[[:space:]]*DLL Name:/ {dll = $3; next}
        dll != "" && /^[[:space:]]*$/ {dll = ""; next}
        dll != "" && /^[[:space:]]*vma:/ {next}
        dll != "" {print dll "|" $NF}')
    dlls=$(printf '%s\n' "$imports" | cut -d'|' -f1 | sort -u)
    [ -n "$imports" ] || fail "has no import table"

    for dll in $dlls; do
        [ "$dll" = ScriptHookRDR2.dll ] && continue
        is_system_dll "$dll" || fail "imports from $dll, which is not a system DLL"
    done
    host_imports=$(printf '%s\n' "$imports" | grep '^ScriptHookRDR2\.dll|' | cut -d'|' -f2 | sort)
    for name in $host_names; do
        printf '%s\n' "$host_imports" | grep -qxF "$name" ||
            fail "does not import $name from ScriptHookRDR2.dll"
    done
    for name in $host_imports; do
        printf '%s\n' "$host_names" | grep -qxF "$name" ||
            fail "imports $name, which ScriptHookRDR2.dll does not export"
    done

    exports=$(printf '%s\n' "$dump" | awk '/^\[Ordinal\/Name Pointer\] Table/ {in_t = 1; next}
        in_t && /^[[:space:]]*$/ {exit} in_t {print $NF}')
    [ -z "$exports" ] || fail "exports its own symbols:" $exports

    if [ $file_failed = 0 ]; then
        echo "ok: $file: PE32+ DLL, host imports: 8, DLLs:" $dlls
    else
        failed=1
    fi
done
exit $failed
