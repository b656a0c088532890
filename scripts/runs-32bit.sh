#!/usr/bin/env bash
# Whether this machine runs 32-bit x86 programs (its kernel's i386 support): builds and starts a
# tiny static -m32 program. Exit 0 when it runs; otherwise prints why not and exits 1. Only
# where it runs may 32-bit Wine be installed: elsewhere wine32 breaks the 64-bit Wine too.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'int main(void) { return 42; }\n' >"$dir/probe.c"
if ! gcc -m32 -static -o "$dir/probe" "$dir/probe.c" 2>"$dir/err"; then
  echo "no 32-bit C compiler (gcc-multilib) to build the probe"
  exit 1
fi
"$dir/probe" 2>/dev/null
rc=$?
if [ "$rc" != 42 ]; then
  echo "this machine's kernel does not run 32-bit programs (a static -m32 probe ended with status $rc)"
  exit 1
fi
exit 0
