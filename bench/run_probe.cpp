// Runs one command in a process of its own, its output discarded, and prints what it
// cost as a user meets it:
//   wall_s     wall time from start to exit
//   cpu_s      CPU time of the command, user and system
//   peak_kib   the command's peak resident size
// This program is small and forks (no shared memory with a large parent), so the
// command's peak is its own. Usage: vx4820cal_bench_run PROGRAM [ARGS...]. Exit
// status: the command's, 127 when it could not run.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  std::fflush(stdout);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) ::dup2(null, 1);
    ::execvp(argv[1], argv + 1);
    ::_exit(127);
  }
  if (child < 0) return 127;
  int status = 0;
  rusage usage{};
  while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
  std::printf("wall_s %.9f\ncpu_s %.9f\npeak_kib %ld\n", wall, seconds(usage.ru_utime) + seconds(usage.ru_stime),
              usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}
