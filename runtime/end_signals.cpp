#include "runtime/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace rt {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's writing end, which the signal handler reaches.
volatile std::sig_atomic_t writingEnd = -1;

void onSignal(int) {
  const int saved = errno;
  const char byte = 0;
  // A full pipe already holds a wake-up.
  [[maybe_unused]] const ssize_t written = ::write(writingEnd, &byte, 1);
  errno = saved;
}

void handleWith(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

EndSignals::EndSignals(Handler handler) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    qWarning("The program cannot watch for the signals that end it: %s", std::strerror(errno));
    return;
  }
  writingEnd = pipe_[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this, handler = std::move(handler)] {
                     char bytes[16];
                     while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
                     }
                     handler();
                   });
  handleWith(onSignal);
}

EndSignals::~EndSignals() {
  if (!notifier_) return;
  handleWith(SIG_DFL);
  writingEnd = -1;
  notifier_.reset();
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

}  // namespace rt
