#pragma once

#include "runtime/system_calls.h"

#include <array>
#include <cerrno>
#include <optional>
#include <vector>

// The real calls, but for the faults a test sets: the n-th call of a kind
// from now on, or every call of it, fails with an errno or, for pread and
// pwrite, with a count of nothing and a stale errno. Every call is counted.
class FaultyCalls : public rt::SystemCalls {
 public:
  enum Call { Open, Fstat, Pread, Pwrite, Fdatasync, Close, kCalls };
  using Counts = std::array<int, kCalls>;
  static constexpr int kNothing = 0;

  void failNth(Call call, int n, int error) { faults_.push_back({call, counts_[call] + n, error}); }
  void failEvery(Call call, int error) { faults_.push_back({call, 0, error}); }
  void heal() { faults_.clear(); }
  const Counts& counts() const { return counts_; }

  int open(const char* path, int flags) override {
    return failed(Open) ? -1 : SystemCalls::open(path, flags);
  }
  int fstat(int descriptor, struct ::stat* status) override {
    return failed(Fstat) ? -1 : SystemCalls::fstat(descriptor, status);
  }
  ssize_t pread(int descriptor, void* buffer, std::size_t count, off_t offset) override {
    if (const auto error = failed(Pread)) return *error == kNothing ? 0 : -1;
    return SystemCalls::pread(descriptor, buffer, count, offset);
  }
  ssize_t pwrite(int descriptor, const void* buffer, std::size_t count, off_t offset) override {
    if (const auto error = failed(Pwrite)) return *error == kNothing ? 0 : -1;
    return SystemCalls::pwrite(descriptor, buffer, count, offset);
  }
  int fdatasync(int descriptor) override {
    return failed(Fdatasync) ? -1 : SystemCalls::fdatasync(descriptor);
  }
  // A close that fails has closed all the same.
  int close(int descriptor) override {
    const int closed = SystemCalls::close(descriptor);
    return failed(Close) ? -1 : closed;
  }

 private:
  struct Fault {
    Call call;
    int ordinal;  // 0: every call
    int error;
  };

  // Counts the call; the error of its fault, if it has one.
  std::optional<int> failed(Call call) {
    const int ordinal = ++counts_[call];
    for (const Fault& fault : faults_) {
      if (fault.call != call || (fault.ordinal != 0 && fault.ordinal != ordinal)) continue;
      errno = fault.error == kNothing ? EACCES : fault.error;
      return fault.error;
    }
    return std::nullopt;
  }

  Counts counts_{};
  std::vector<Fault> faults_;
};
