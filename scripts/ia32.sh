# Sourced: whether this machine executes 32-bit x86 code, and whether Wine's
# 32-bit side is installed. The first is found by running a tiny static 32-bit
# program, never from the kernel's name: a 64-bit kernel may be built or booted
# to run 64-bit programs alone. The probe needs binutils (scripts/setup.sh).

corvane_runs_32bit_code() {
  local dir status=0
  dir=$(mktemp -d)
  printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$dir/exit.s"
  { as --32 "$dir/exit.s" -o "$dir/exit.o" && ld -m elf_i386 "$dir/exit.o" -o "$dir/exit" && "$dir/exit"; } \
    >/dev/null 2>&1 || status=$?
  rm -rf "$dir"
  return "$status"
}

# Debian's wine32: its loader is the one the plain `wine` picks once it is there.
corvane_wine32_installed() {
  [ -x /usr/lib/wine/wine ]
}

# Why the 32-bit programs cannot run here, in a few words; nothing when they can.
corvane_why_no_32bit() {
  if ! corvane_runs_32bit_code; then
    echo "this machine cannot execute 32-bit code (a tiny 32-bit program was refused)"
  elif ! corvane_wine32_installed; then
    echo "wine32 is not installed (scripts/setup.sh leaves it out with CORVANE_WINE32=no, and says when apt could not install it)"
  fi
}
