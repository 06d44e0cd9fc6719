#pragma once
// System-wide single-instance lock: flock() on a file in the runtime folder
// whose name carries the product title and version. Held until released or
// until the process ends.
#include <string>

class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock() { Release(); }

  enum Result { Acquired, HeldElsewhere, Unavailable };
  // HeldElsewhere when another process holds the lock; Unavailable when the
  // lock file cannot be created.
  Result Acquire(const std::string& name);
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};
