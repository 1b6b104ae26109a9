#include "learner_watch.h"

#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define KALKORA_LEARNER_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KALKORA_LEARNER_SANITIZED 1
#endif

#ifdef KALKORA_LEARNER_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace kalkora::learner {
namespace {

// Written before every action, read by the handlers (which may only write out what is ready).
char note[512] = "";
std::size_t noteLength = 0;

void WriteNote(const char* why) {
  if (noteLength == 0) return;
  const ssize_t ignored1 = write(STDERR_FILENO, "\n", 1);
  const ssize_t ignored2 = write(STDERR_FILENO, why, std::strlen(why));
  const ssize_t ignored3 = write(STDERR_FILENO, note, noteLength);
  static_cast<void>(ignored1 + ignored2 + ignored3);
}

void OnDeath() { WriteNote("random learner: the program stopped during "); }

void OnSignal(int signal) {
  if (signal == SIGALRM) {
    WriteNote("random learner: the program hangs during ");
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
  }
  OnDeath();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void InstallCrashNotes() {
  std::signal(SIGALRM, OnSignal);
#ifdef KALKORA_LEARNER_SANITIZED
  // The sanitizers handle crashes themselves and call this before they end the process.
  __sanitizer_set_death_callback(OnDeath);
#else
  for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(signal, OnSignal);
#endif
}

void WatchAction(std::uint32_t seed, long action, const QString& what) {
  const QByteArray text = what.left(300).toUtf8();
  const int written =
      std::snprintf(note, sizeof note,
                    "seed %u, action %ld: %s\n"
                    "replay: kalkora-random-learner --seed %u --actions %ld --trace\n",
                    seed, action, text.constData(), seed, action);
  noteLength = written < 0 ? 0 : std::min(sizeof note - 1, static_cast<std::size_t>(written));
  alarm(kHangSeconds);
}

void StopWatching() {
  alarm(0);
  noteLength = 0;
}

}  // namespace kalkora::learner
