#pragma once
// A cap on the log lines of one burst: another script may queue hundreds of events in one
// frame, and each of them must not become a line of the player's log.
#include <cstdint>

namespace corvale {

class LogLimit {
  public:
    // While it lives, at most maxLines entries are written; the rest are counted, and at its
    // end one line says how many of what were left out ("... event lines left out").
    LogLimit(const char* what, int32_t maxLines);
    ~LogLimit();
    LogLimit(const LogLimit&) = delete;
    LogLimit& operator=(const LogLimit&) = delete;

    // Whether the entry about to be written may be; counts it against the active limit.
    static bool admit();

  private:
    const char* what_;
    int32_t left_;
    int32_t leftOut_ = 0;
    LogLimit* outer_;
};

} // namespace corvale
