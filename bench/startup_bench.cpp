// Start-up of the desktop program on the offscreen platform, from spawning
// the process to its first painted window: wall time, and peak memory at
// that moment.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonic_ns() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Start {
  double seconds = 0;
  double peak_kb = 0;
};

bool start_once(Start& out) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  // The platform plugin's chatter on stderr is not part of the measurement.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

  std::vector<std::string> env_strings;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("AIRFOIL_SPAWN_NS=", 0) != 0) {
      env_strings.push_back(entry);
    }
  }
  env_strings.emplace_back("QT_QPA_PLATFORM=offscreen");
  env_strings.push_back("AIRFOIL_SPAWN_NS=" + std::to_string(monotonic_ns()));
  std::vector<char*> env;
  for (std::string& s : env_strings) env.push_back(s.data());
  env.push_back(nullptr);

  std::string program = AIRFOIL_STARTUP_CHILD;
  char* argv[] = {program.data(), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  if (spawned != 0) {
    close(pipe_fds[0]);
    return false;
  }
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  close(pipe_fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long ns = 0;
  long kb = 0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || std::sscanf(text.c_str(), "%lld %ld", &ns, &kb) != 2) {
    return false;
  }
  out.seconds = static_cast<double>(ns) * 1e-9;
  out.peak_kb = static_cast<double>(kb);
  return true;
}

void BM_start_up_to_shown_window(benchmark::State& state) {
  double peak_kb = 0;
  for (auto _ : state) {
    Start start;
    if (!start_once(start)) {
      state.SkipWithError("the start-up program did not report");
      break;
    }
    state.SetIterationTime(start.seconds);
    peak_kb = std::max(peak_kb, start.peak_kb);
  }
  state.counters["peak_MB"] = peak_kb / 1024.0;
}
BENCHMARK(BM_start_up_to_shown_window)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);

}  // namespace
