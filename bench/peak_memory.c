/* The exact peak resident memory of a process, in KiB: the process runs
   traced, and its resident set is counted page by page from
   /proc/PID/smaps_rollup each time it is about to give memory back (munmap,
   brk, madvise, mremap) or to end, which is when it is largest; its own
   output is dropped. The kernel's
   own figure (getrusage, /usr/bin/time %M) is kept in per-CPU batches of up
   to 32 pages and so moves in steps of up to 128 KiB.
     peak_memory PROGRAM [ARGUMENT...]   (Linux) */
#define _GNU_SOURCE
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

static long ResidentKib(pid_t child) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/smaps_rollup", (int)child);
  FILE* rollup = fopen(path, "r");
  if (!rollup) return -1;
  char line[256];
  long kib = -1;
  while (fgets(line, sizeof line, rollup)) {
    if (sscanf(line, "Rss: %ld kB", &kib) == 1) break;
  }
  fclose(rollup);
  return kib;
}

static int GivesMemoryBack(unsigned long long call) {
  return call == SYS_munmap || call == SYS_brk || call == SYS_madvise || call == SYS_mremap ||
         call == SYS_exit_group || call == SYS_exit;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fputs("usage: peak_memory PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  const pid_t child = fork();
  if (child == 0) {
    const int nothing = open("/dev/null", O_RDWR);
    dup2(nothing, 0);
    dup2(nothing, 1);
    dup2(nothing, 2);
    ptrace(PTRACE_TRACEME, 0, 0, 0);
    raise(SIGSTOP);
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  int status;
  waitpid(child, &status, 0);
  ptrace(PTRACE_SETOPTIONS, child, 0, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  long peak = 0;
  int exec_seen = 0;
  for (;;) {
    if (ptrace(PTRACE_SYSCALL, child, 0, 0) != 0 || waitpid(child, &status, 0) < 0) break;
    if (WIFEXITED(status) || WIFSIGNALED(status)) break;
    if (!WIFSTOPPED(status) || WSTOPSIG(status) != (SIGTRAP | 0x80)) continue;
    struct __ptrace_syscall_info info;
    if (ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof info, &info) <= 0) continue;
    if (info.op != PTRACE_SYSCALL_INFO_ENTRY) continue;
    if (info.entry.nr == SYS_execve) exec_seen = 1;
    if (!exec_seen || !GivesMemoryBack(info.entry.nr)) continue;
    const long now = ResidentKib(child);
    if (now > peak) peak = now;
  }
  if (!WIFEXITED(status)) return 1;
  printf("%ld\n", peak);
  return WEXITSTATUS(status) == 0 ? 0 : 1;
}
