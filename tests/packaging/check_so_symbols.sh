#!/bin/sh
# Checks the Linux plug-ins the simulator loads: their only undefined symbols are host
# operations (Host*, Sim*) and the C/C++ runtime, and they export only their attach and
# detach, so nothing inside a plug-in can bind to the simulator or to the other plug-in.
#   check_so_symbols.sh [--sanitized] NM FILE...
# --sanitized also accepts the sanitizer runtime's symbols (the asan preset).
set -u
sanitized=0
if [ "${1:-}" = --sanitized ]; then
    sanitized=1
    shift
fi
if [ $# -lt 2 ]; then
    echo "usage: $0 [--sanitized] NM FILE..." >&2
    exit 2
fi
nm=$1
shift

allowed_undefined() {
    case $1 in
        Host* | Sim*) case $1 in *@*) return 1 ;; *) return 0 ;; esac ;;
        # glibc (libc, libm), libstdc++ and libgcc_s, recognised by their version tags
        *@GLIBC_* | *@GLIBCXX_* | *@CXXABI_* | *@GCC_*) return 0 ;;
        # weak references every shared object carries
        __gmon_start__ | _ITM_deregisterTMCloneTable | _ITM_registerTMCloneTable | \
        __cxa_finalize | _Jv_RegisterClasses) return 0 ;;
        __asan_* | __ubsan_* | __lsan_* | __sanitizer_*) [ $sanitized = 1 ] ;;
        *) return 1 ;;
    esac
}

allowed_export() {
    case $1 in
        CorvalePluginAttach | CorvalePluginDetach) return 0 ;;
        # made by the linker
        _init | _fini | _edata | _end | __bss_start | __end__ | _DYNAMIC | \
        _GLOBAL_OFFSET_TABLE_ | __dso_handle) return 0 ;;
        *) return 1 ;;
    esac
}

failed=0
for file in "$@"; do
    file_failed=0
    if ! undefined=$("$nm" -D --undefined-only "$file" 2>&1) ||
        ! defined=$("$nm" -D --defined-only "$file" 2>&1); then
        echo "FAIL: $file: nm: $undefined $defined"
        failed=1
        continue
    fi
    for sym in $(printf '%s\n' "$undefined" | awk 'NF {print $NF}'); do
        if ! allowed_undefined "$sym"; then
            echo "FAIL: $file: undefined symbol $sym is neither a host operation nor the C/C++ runtime"
            file_failed=1
        fi
    done
    exports=$(printf '%s\n' "$defined" | awk 'NF {print $NF}' | sed 's/@.*//')
    for sym in $exports; do
        if ! allowed_export "$sym"; then
            echo "FAIL: $file: exports $sym"
            file_failed=1
        fi
    done
    for sym in CorvalePluginAttach CorvalePluginDetach; do
        if ! printf '%s\n' "$exports" | grep -qxF $sym; then
            echo "FAIL: $file: does not export $sym"
            file_failed=1
        fi
    done
    if [ $file_failed = 0 ]; then
        echo "ok: $file: $(printf '%s\n' "$undefined" | awk 'NF' | wc -l) undefined, exports" \
            $(printf '%s\n' "$exports" | grep '^Corvale')
    else
        failed=1
    fi
done
exit $failed
