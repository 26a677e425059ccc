#pragma once

// What the whole-program probes print: wall-clock moments for bench/run to
// set against the moment it started the process, and the process's own CPU
// time.
#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace probe {

inline long long wallNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

inline double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline void printFirstPaint() {
  std::printf("first-paint-wall-ns %lld\n", wallNanoseconds());
  std::fflush(stdout);
}

inline void printIdleCpu(double cpu, double seconds) {
  std::printf("idle-cpu-seconds %.4f over %.1f s\n", cpu, seconds);
  std::fflush(stdout);
}

}  // namespace probe
