#pragma once
// Work a test hands to its own script, run there on the script's next frame (where natives
// may be called and frames waited), with the test playing frames until it is done.
#include <functional>

namespace corvale::testing {

class ScriptJobs {
  public:
    // In the script's loop: runs the work handed over, if any.
    void runPending() {
        if (!job_) return;
        std::function<void()> now = std::move(job_);
        job_ = nullptr;
        now();
        ++done_;
    }
    // In the test: hands work over and calls frame until the script has run it; false when
    // it did not end within limit frames.
    bool run(std::function<void()> work, int limit, const std::function<void()>& frame) {
        const int before = done_;
        job_ = std::move(work);
        for (int i = 0; i < limit && done_ == before; ++i)
            frame();
        return done_ != before;
    }

  private:
    std::function<void()> job_;
    int done_ = 0;
};

} // namespace corvale::testing
