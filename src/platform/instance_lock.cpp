#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/folders.h"

InstanceLock::Result InstanceLock::Acquire(const std::string& name) {
  Release();
  const std::string path = WithTrailingSlash(RuntimeFolder()) + name + ".lock";
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Unavailable;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return HeldElsewhere;
  }
  fd_ = fd;
  return Acquired;
}

void InstanceLock::Release() {
  if (fd_ < 0) return;
  flock(fd_, LOCK_UN);
  close(fd_);
  fd_ = -1;
}
