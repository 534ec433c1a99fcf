/* Linked into every program of the coverage build (scripts/coverage.sh). The end-to-end
   tests stop the program with SIGTERM, and a program that dies of a signal writes no
   coverage counts; this one writes them first, then dies of the signal as before. */
#include <signal.h>

extern void __gcov_dump(void);

static void dump_and_die(int sig) {
    __gcov_dump();
    signal(sig, SIG_DFL);
    raise(sig);
}

__attribute__((constructor)) static void on_sigterm_dump(void) { signal(SIGTERM, dump_and_die); }
