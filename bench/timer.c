/* Times whole-process runs of two commands, taking turns so that both see the
 * same machine, and prints the median wall time, its spread, the ratio of the
 * medians and each command's peak resident memory.
 *
 * Usage: timer RUNS NAME_A CMD_A... -- NAME_B CMD_B...
 * The commands run with standard output sent to /dev/null. Exit status 1 when
 * a run fails, so that a broken conversion is never timed as a fast one. */
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ptrace.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

struct Command {
  const char* name;
  char** argv;
  double* seconds;
  long max_rss_kib;
};

static double Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

static int RunOnce(struct Command* command, int run) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null",
                                   O_WRONLY, 0);
  double start = Now();
  pid_t pid;
  int spawned = posix_spawn(&pid, command->argv[0], &actions, NULL,
                            command->argv, environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!spawned) return 0;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return 0;
  command->seconds[run] = Now() - start;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

/* The "VmHWM" line of a live process: the peak resident size of the program
 * it now runs, not counting what the process held before its exec. Memory
 * handed back to the system before exit can go unseen by it; turnel hands
 * none back, and the floor touches one page of its image. */
static long ReadPeakKib(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* status = fopen(path, "r");
  if (status == NULL) return -1;
  char line[256];
  long kib = -1;
  while (fgets(line, sizeof line, status) != NULL) {
    if (sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
  }
  fclose(status);
  return kib;
}

/* One untimed run, stopped by the kernel as it exits, while its memory is
 * still there to be read. A child's ru_maxrss would not do: it counts the
 * memory the child shared with the timer before its exec. Gives -1 when the
 * run fails or cannot be traced. */
static long PeakRssKib(const struct Command* command) {
  pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    int null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, STDOUT_FILENO) < 0 ||
        ptrace(PTRACE_TRACEME, 0, NULL, NULL) != 0) {
      _exit(127);
    }
    execv(command->argv[0], command->argv);
    _exit(127);
  }
  long kib = -1;
  int status = 0;
  /* The first stop is at the exec; from there on, stop once more at exit. */
  int stops = 0;
  while (waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
    int forward = 0;
    if (stops++ == 0) {
      ptrace(PTRACE_SETOPTIONS, pid, NULL, (void*)PTRACE_O_TRACEEXIT);
    } else if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
      kib = ReadPeakKib(pid);
    } else {
      forward = WSTOPSIG(status);
    }
    ptrace(PTRACE_CONT, pid, NULL, (void*)(long)forward);
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return kib;
}

static int CompareDoubles(const void* a, const void* b) {
  double x = *(const double*)a;
  double y = *(const double*)b;
  return (x > y) - (x < y);
}

/* The value below which the given share of the sorted runs lie. */
static double Quantile(const double* sorted, int runs, double share) {
  int index = (int)(share * (runs - 1) + 0.5);
  return sorted[index];
}

static void Report(struct Command* command, int runs) {
  qsort(command->seconds, (size_t)runs, sizeof(double), CompareDoubles);
  printf(
      "  %-8s median %7.3f ms   p10 %7.3f   p90 %7.3f   min %7.3f   "
      "peak RSS %6ld KiB\n",
      command->name, Quantile(command->seconds, runs, 0.5) * 1e3,
      Quantile(command->seconds, runs, 0.1) * 1e3,
      Quantile(command->seconds, runs, 0.9) * 1e3, command->seconds[0] * 1e3,
      command->max_rss_kib);
}

int main(int argc, char** argv) {
  int split = 0;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--") == 0) split = i;
  }
  int runs = argc > 1 ? atoi(argv[1]) : 0;
  if (runs < 1 || split < 4 || split + 2 >= argc) {
    fputs("usage: timer RUNS NAME_A CMD_A... -- NAME_B CMD_B...\n", stderr);
    return 2;
  }
  argv[split] = NULL;
  struct Command commands[2] = {
      {argv[2], argv + 3, calloc((size_t)runs, sizeof(double)), 0},
      {argv[split + 1], argv + split + 2, calloc((size_t)runs, sizeof(double)),
       0},
  };
  if (commands[0].seconds == NULL || commands[1].seconds == NULL) return 1;
  for (int c = 0; c < 2; ++c) {
    commands[c].max_rss_kib = PeakRssKib(&commands[c]);
    if (commands[c].max_rss_kib < 0) {
      fprintf(stderr, "%s: no peak memory measured\n", commands[c].name);
      return 1;
    }
  }
  /* Unmeasured warm-up runs bring both programs into the page cache. */
  for (int run = 0; run < 5; ++run) {
    for (int c = 0; c < 2; ++c) {
      if (!RunOnce(&commands[c], 0)) {
        fprintf(stderr, "%s failed\n", commands[c].name);
        return 1;
      }
    }
  }
  double* pair_ratios = calloc((size_t)runs, sizeof(double));
  if (pair_ratios == NULL) return 1;
  for (int run = 0; run < runs; ++run) {
    /* Alternating which goes first keeps any order effect out of the ratio. */
    for (int k = 0; k < 2; ++k) {
      struct Command* command = &commands[(run + k) % 2];
      if (!RunOnce(command, run)) {
        fprintf(stderr, "%s failed\n", command->name);
        return 1;
      }
    }
    pair_ratios[run] = commands[0].seconds[run] / commands[1].seconds[run];
  }
  Report(&commands[0], runs);
  Report(&commands[1], runs);
  double a = Quantile(commands[0].seconds, runs, 0.5);
  double b = Quantile(commands[1].seconds, runs, 0.5);
  printf("  median ratio %s/%s = %.3f   peak RSS difference %+ld KiB\n",
         commands[0].name, commands[1].name, a / b,
         commands[0].max_rss_kib - commands[1].max_rss_kib);
  /* The spread: the ratio within each pair of runs taken together. */
  qsort(pair_ratios, (size_t)runs, sizeof(double), CompareDoubles);
  printf("  pair ratios p10 %.3f   median %.3f   p90 %.3f\n",
         Quantile(pair_ratios, runs, 0.1), Quantile(pair_ratios, runs, 0.5),
         Quantile(pair_ratios, runs, 0.9));
  return 0;
}
