#include "runtime/system_calls.h"

#include <fcntl.h>
#include <unistd.h>

namespace rt {

int SystemCalls::open(const char* path, int flags) { return ::open(path, flags); }

int SystemCalls::fstat(int descriptor, struct ::stat* status) {
  return ::fstat(descriptor, status);
}

ssize_t SystemCalls::pread(int descriptor, void* buffer, std::size_t count, off_t offset) {
  return ::pread(descriptor, buffer, count, offset);
}

ssize_t SystemCalls::pwrite(int descriptor, const void* buffer, std::size_t count, off_t offset) {
  return ::pwrite(descriptor, buffer, count, offset);
}

int SystemCalls::fdatasync(int descriptor) { return ::fdatasync(descriptor); }

int SystemCalls::close(int descriptor) { return ::close(descriptor); }

}  // namespace rt
