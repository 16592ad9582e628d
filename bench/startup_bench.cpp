// Start-up of the desktop program on the offscreen platform, from spawning
// the process to its first painted window: wall time, and peak memory at
// that moment. Besides the committed catalogue, files no catalogue should be
// stand in for it: endless, blocking, huge, and one huge line; each must
// open the window as quickly and with as little memory.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
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

// The stand-in catalogues, made once in a temporary folder that is removed
// at exit. The big files are sparse: they cost no disk and read as zeros.
enum Catalogue { committed, dev_zero, fifo, good_head_500_mb, single_line_100_mb };

std::string catalogue_path(int which) {
  static const std::filesystem::path dir = [] {
    std::string name = (std::filesystem::temp_directory_path() / "airfoil-bench-XXXXXX").string();
    return std::filesystem::path(mkdtemp(name.data()) != nullptr ? name : "");
  }();
  // Registered after the folder's name is made, so it runs before the name is destroyed.
  static const int removed_at_exit = std::atexit([] {
    std::error_code ignored;
    if (!dir.empty()) std::filesystem::remove_all(dir, ignored);
  });
  (void)removed_at_exit;
  const auto sparse = [](const std::filesystem::path& path, const std::string& head, off_t size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) return;
    if (write(fd, head.data(), head.size()) != static_cast<ssize_t>(head.size()) ||
        ftruncate(fd, size) != 0) {
      std::fprintf(stderr, "cannot make %s\n", path.c_str());
    }
    close(fd);
  };
  switch (which) {
    case dev_zero: return "/dev/zero";
    case fifo: {
      const auto path = dir / "pipe";
      if (!std::filesystem::exists(path)) mkfifo(path.c_str(), 0600);
      return path.string();
    }
    case good_head_500_mb: {
      const auto path = dir / "500mb.txt";
      if (!std::filesystem::exists(path)) sparse(path, "label\n1\n0,0,0,0,0\n", 500LL << 20);
      return path.string();
    }
    case single_line_100_mb: {
      const auto path = dir / "line.txt";
      if (!std::filesystem::exists(path)) sparse(path, "", 100LL << 20);
      return path.string();
    }
    default: return AIRFOIL_CATALOGUE;
  }
}

bool start_once(Start& out, const std::string& catalogue) {
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
    if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("AIRFOIL_SPAWN_NS=", 0) != 0 &&
        entry.rfind("AIRFOIL_STARTUP_CATALOGUE=", 0) != 0) {
      env_strings.push_back(entry);
    }
  }
  env_strings.emplace_back("QT_QPA_PLATFORM=offscreen");
  env_strings.push_back("AIRFOIL_STARTUP_CATALOGUE=" + catalogue);
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
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  close(pipe_fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long ns = 0;
  long kb = 0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(text.c_str(), "%lld %ld", &ns, &kb) != 2) {
    return false;
  }
  out.seconds = static_cast<double>(ns) * 1e-9;
  out.peak_kb = static_cast<double>(kb);
  return true;
}

void BM_start_up_to_shown_window(benchmark::State& state) {
  const std::string catalogue = catalogue_path(static_cast<int>(state.range(0)));
  double peak_kb = 0;
  for (auto _ : state) {
    Start start;
    if (!start_once(start, catalogue)) {
      state.SkipWithError("the start-up program did not report");
      break;
    }
    state.SetIterationTime(start.seconds);
    peak_kb = std::max(peak_kb, start.peak_kb);
  }
  state.counters["peak_MB"] = peak_kb / 1024.0;
}
BENCHMARK(BM_start_up_to_shown_window)
    ->ArgName("catalogue")
    ->DenseRange(committed, single_line_100_mb)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);

}  // namespace
