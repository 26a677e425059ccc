#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace rt {

// The system's own calls that byte access makes, and no others. Each is
// virtual so that a stand-in can fail any of them; this class makes the real
// calls. Results and errno are the system's.
class SystemCalls {
 public:
  virtual ~SystemCalls() = default;

  virtual int open(const char* path, int flags);
  virtual int fstat(int descriptor, struct ::stat* status);
  virtual ssize_t pread(int descriptor, void* buffer, std::size_t count, off_t offset);
  virtual ssize_t pwrite(int descriptor, const void* buffer, std::size_t count, off_t offset);
  virtual int fdatasync(int descriptor);
  virtual int close(int descriptor);
};

}  // namespace rt
