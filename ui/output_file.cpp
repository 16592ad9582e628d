#include "ui/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace airfoil {

bool write_protected(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return ::access(path.c_str(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string replace_file(const std::string& path, std::string_view bytes) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && write_protected(path)) {
    return "the file is write-protected";
  }
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  std::string temporary = folder;
  temporary += '.';
  temporary += path.substr(slash == std::string::npos ? 0 : slash + 1);
  temporary += ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return std::strerror(errno);
  int error = 0;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (error == 0 && left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : EIO;
    } else {
      data += n;
      left -= static_cast<std::size_t>(n);
    }
  }
  // mkstemp makes the file private; these are ordinary output files.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (error == 0 && ::fchmod(fd, 0666 & ~mask) != 0) error = errno;
  // close() is where a network file system reports a failed write.
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return {};
  ::unlink(temporary.c_str());
  return std::strerror(error);
}

}  // namespace airfoil
