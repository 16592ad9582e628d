#include "ui/qt/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace airfoil {

namespace {

// A settings file is a few dozen bytes; anything larger is not ours.
constexpr qint64 kLargestFile = 64 * 1024;
// How long a save waits for another copy of the program to finish its own.
constexpr auto kLockPatience = std::chrono::milliseconds(500);
constexpr auto kLockRetry = std::chrono::milliseconds(20);

QString g_file;

QString translated(const char* source) { return QCoreApplication::translate("Settings", source); }

QString system_reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  int fd = -1;
  explicit Descriptor(int d) : fd(d) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// The file's bytes; nothing when it is missing, and `problem` set when it is
// there but unusable. O_NONBLOCK keeps a FIFO from holding the open, and the
// type is checked on the opened file itself, so nothing can be swapped in
// between the check and the read.
std::optional<QByteArray> read_regular_file(const QString& path, QString* problem) {
  const Descriptor file(
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.fd < 0) {
    if (errno != ENOENT && errno != ENOTDIR) *problem = system_reason(errno);
    return std::nullopt;
  }
  struct stat about {};
  if (::fstat(file.fd, &about) != 0 || !S_ISREG(about.st_mode)) {
    *problem = translated(QT_TRANSLATE_NOOP("Settings", "düzenli bir dosya değil"));
    return std::nullopt;
  }
  QByteArray bytes;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      *problem = system_reason(errno);
      return std::nullopt;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
    if (bytes.size() > kLargestFile) {
      *problem = translated(QT_TRANSLATE_NOOP("Settings", "ayarlar dosyası olamayacak kadar büyük"));
      return std::nullopt;
    }
  }
  return bytes;
}

// The "[General]" part of a file in QSettings' format: "key=value" lines.
SettingValues parse(const QByteArray& bytes) {
  SettingValues values;
  bool general = true;
  for (const QByteArray& raw : bytes.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.startsWith('[')) {
      general = line == "[General]";
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (!general || equals <= 0) continue;
    values[QString::fromUtf8(line.left(equals).trimmed())] =
        QString::fromUtf8(line.mid(equals + 1).trimmed());
  }
  return values;
}

QByteArray format(const SettingValues& values) {
  QByteArray text = "[General]\n";
  for (const auto& [key, value] : values) text += key.toUtf8() + '=' + value.toUtf8() + '\n';
  return text;
}

bool write_all(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += wrote;
  }
  return true;
}

// Takes the lock beside the settings file, waiting a moment at most. The
// lock is held while the descriptor is open. Empty on success, else why not.
QString take_lock(const QString& path, std::optional<Descriptor>& lock) {
  const QString name = QDir::toNativeSeparators(path);
  lock.emplace(::open(QFile::encodeName(path).constData(),
                      O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600));
  if (lock->fd < 0) {
    return translated(QT_TRANSLATE_NOOP("Settings", "kilit dosyası %1 açılamadı (%2)"))
        .arg(name, system_reason(errno));
  }
  struct stat about {};
  if (::fstat(lock->fd, &about) != 0 || !S_ISREG(about.st_mode)) {
    return translated(QT_TRANSLATE_NOOP("Settings", "kilit dosyası %1 düzenli bir dosya değil")).arg(name);
  }
  const auto give_up = std::chrono::steady_clock::now() + kLockPatience;
  while (::flock(lock->fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) {
      return translated(QT_TRANSLATE_NOOP("Settings", "kilit dosyası %1 kilitlenemedi (%2)"))
          .arg(name, system_reason(errno));
    }
    if (std::chrono::steady_clock::now() >= give_up) {
      return translated(
                 QT_TRANSLATE_NOOP("Settings", "kilit dosyası %1 başka bir program tarafından tutuluyor"))
          .arg(name);
    }
    std::this_thread::sleep_for(kLockRetry);
  }
  return {};
}

QString store(const QString& path, const SettingValues& values) {
  const QString name = QDir::toNativeSeparators(path);
  const QFileInfo where(path);
  if (!QDir().mkpath(where.absolutePath())) {
    return translated(QT_TRANSLATE_NOOP("Settings", "%1 klasörü oluşturulamadı")).arg(where.absolutePath());
  }
  std::optional<Descriptor> lock;
  if (QString why = take_lock(path + QStringLiteral(".lock"), lock); !why.isEmpty()) return why;

  // What stands at the path now must be a regular file of our own, or
  // nothing: a link, a device or a FIFO is left as it is.
  struct stat about {};
  const QByteArray native = QFile::encodeName(path);
  if (::lstat(native.constData(), &about) == 0) {
    if (!S_ISREG(about.st_mode)) {
      return translated(QT_TRANSLATE_NOOP("Settings",
                                          "%1 düzenli bir dosya değil (bir bağlantı, klasör, aygıt "
                                          "ya da FIFO); dokunulmadı"))
          .arg(name);
    }
    if (about.st_uid != ::geteuid()) {
      return translated(QT_TRANSLATE_NOOP("Settings", "%1 başka bir kullanıcıya ait; dokunulmadı")).arg(name);
    }
  } else if (errno != ENOENT) {
    return translated(QT_TRANSLATE_NOOP("Settings", "%1 okunamadı (%2)")).arg(name, system_reason(errno));
  }

  QString ignored;
  SettingValues merged = parse(read_regular_file(path, &ignored).value_or(QByteArray()));
  for (const auto& [key, value] : values) merged[key] = value;

  // A new file beside the old one, renamed over it: rename replaces a link
  // itself rather than what it points at, and a reader sees the old file or
  // the new one, never half of one.
  QByteArray temporary = native + ".XXXXXX";
  const Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.fd < 0) {
    return translated(QT_TRANSLATE_NOOP("Settings", "%1 yazılamadı (%2)")).arg(name, system_reason(errno));
  }
  const bool written = write_all(file.fd, format(merged)) && ::fsync(file.fd) == 0;
  const int error = errno;
  if (!written || ::rename(temporary.constData(), native.constData()) != 0) {
    const int failure = written ? errno : error;
    ::unlink(temporary.constData());
    return translated(QT_TRANSLATE_NOOP("Settings", "%1 yazılamadı (%2)")).arg(name, system_reason(failure));
  }
  return {};
}

}  // namespace

QString settings_file() {
  if (!g_file.isEmpty()) return g_file;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/PelmoraAirfoil/pelmora-airfoil.conf");
}

void set_settings_file(const QString& path) { g_file = path; }

SettingValues read_settings() {
  QString problem;
  const std::optional<QByteArray> bytes = read_regular_file(settings_file(), &problem);
  if (!problem.isEmpty()) {
    static bool told = false;
    if (!told) {
      told = true;
      std::fprintf(stderr, "pelmora-airfoil: %s\n",
                   translated(QT_TRANSLATE_NOOP("Settings", "ayarlar dosyası %1 okunmadı: %2"))
                       .arg(QDir::toNativeSeparators(settings_file()), problem)
                       .toLocal8Bit()
                       .constData());
    }
  }
  return bytes ? parse(*bytes) : SettingValues{};
}

QString store_settings(const SettingValues& values) {
  const QString why = store(settings_file(), values);
  if (why.isEmpty()) return why;
  return translated(QT_TRANSLATE_NOOP("Settings", "Seçim hatırlanamadı: %1. Yalnızca bu oturumda geçerli."))
      .arg(why);
}

}  // namespace airfoil
