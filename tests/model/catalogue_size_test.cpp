// Start-up reads no more of the catalogue file than it uses: each file below
// is read in a child process whose address space may grow by only 50 MB, and
// which is stopped if it has not finished after ten seconds.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "model/catalogue.h"
#include "model/window.h"
#include "tests/model/model_support.h"

namespace airfoil {
namespace {

long address_space_bytes() {
  long pages = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
    std::fclose(statm);
  }
  return pages * sysconf(_SC_PAGESIZE);
}

// Runs Form_Load on `path` in a child under the caps. The test passes only if
// the child finished with the one start-up message expected (or none), and
// `accept` agrees with the loaded window.
void load_capped(const std::string& path, bool message, const std::function<bool(const Window&)>& accept) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    alarm(10);
    const rlim_t cap = static_cast<rlim_t>(address_space_bytes()) + (50u << 20);
    const rlimit limit{cap, cap};
    setrlimit(RLIMIT_AS, &limit);
    testing::RecordedMessages messages;
    Window w;
    w.messages = &messages;
    w.catalogue_path = path;
    Form_Load(w);
    _exit(messages.shown.size() == (message ? 1u : 0u) && accept(w) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << path << ": status " << status;
}

// A file of `size` bytes that begins with `head`; the rest is a hole that
// reads as zero bytes and takes no room on the disk.
void sparse_file(const std::string& path, const std::string& head, off_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) {
    ADD_FAILURE() << "cannot create " << path;
    return;
  }
  const bool written = ::write(fd, head.data(), head.size()) == static_cast<ssize_t>(head.size());
  const bool sized = ::ftruncate(fd, size) == 0;
  ::close(fd);
  ASSERT_TRUE(written && sized) << path;
}

bool refused(const Window& w) { return w.nCatalog == 0; }

TEST(CatalogueSize, EveryFileIsReadWithinAFixedMemory) {
  testing::TempCatalogue file("");
  const std::string& path = file.path();

  // A good catalogue followed by 500 MB: reading stops after the last row.
  sparse_file(path, "label\n1\n0.12,0.02,0.1,0.05,0\n", 500LL << 20);
  load_capped(path, false, [](const Window& w) { return w.nCatalog == 1 && w.TabEps(1) == 0.1; });

  // One line of 100 MB: the label is bounded.
  sparse_file(path, "", 100LL << 20);
  load_capped(path, true, refused);

  // A number field of 100 MB: so is every field.
  sparse_file(path, "label\n1\n0.1", 100LL << 20);
  load_capped(path, true, refused);

  // Endless or blocking inputs are never read at all.
  load_capped("/dev/zero", true, refused);
  const std::string fifo = path + ".pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  load_capped(fifo, true, refused);
}

}  // namespace
}  // namespace airfoil
