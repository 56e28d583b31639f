// The null-pointer sweep over every exported function: each call with one
// pointer null and every other argument plausible must come back without a
// crash. Each call runs in a child process so that a crash is reported as a
// finding instead of ending the sweep.
//
// The status is reported, not asserted: families order their checks
// differently (a specification's identifier is checked before its data
// pointers, index outputs and delay lines may be null, some parameters are
// checked first), and each family's own tests pin its order down.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "null_sweep.h"

namespace {

constexpr int kBuffers = 16;
constexpr std::size_t kBufferBytes = 65536;
constexpr unsigned char kFill = 0xA5;

alignas(64) unsigned char g_buffers[kBuffers][kBufferBytes];

bool buffers_untouched() {
    for (auto& b : g_buffers)
        for (unsigned char c : b)
            if (c != kFill) return false;
    return true;
}

struct Outcome {
    bool crashed;
    VekStatus status;
    bool wrote;
};

Outcome run_isolated(const SweepCase& c) {
    int fd[2];
    if (pipe(fd) != 0) return {true, 0, false};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fd[0]);
        const int r[2] = {c.call(), buffers_untouched() ? 0 : 1};
        if (write(fd[1], r, sizeof r) != sizeof r) _exit(2);
        _exit(0);
    }
    close(fd[1]);
    int r[2] = {0, 0};
    const bool got = read(fd[0], r, sizeof r) == sizeof r;
    close(fd[0]);
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    return {!got || !WIFEXITED(wstatus) || WEXITSTATUS(wstatus) != 0, r[0], r[1] != 0};
}

// The fixed-size cyclic convolutions take no argument checks by design.
bool checks_nothing(const std::string& f) { return f.rfind("veksConvCyclic", 0) == 0; }

TEST(NullSweep, NoFunctionCrashesOnANullPointer) {
    std::memset(g_buffers, kFill, sizeof g_buffers);
    std::set<std::string> functions;
    std::map<std::string, int> outcomes;
    for (int i = 0; i < kSweepCount; ++i) {
        const SweepCase& c = kSweepCases[i];
        if (checks_nothing(c.function)) continue;
        functions.insert(c.function);
        const Outcome o = run_isolated(c);
        EXPECT_FALSE(o.crashed) << c.function << "(" << c.parameter << " = null) crashed";
        if (!o.crashed) ++outcomes[o.wrote ? "wrote (null allowed)" : "status " + std::to_string(o.status)];
    }
    std::printf("null sweep: %d cases over %zu functions\n", kSweepCount, functions.size());
    for (const auto& [what, count] : outcomes) std::printf("  %-22s %d\n", what.c_str(), count);
}

}  // namespace

void* vt_buf(int k) { return g_buffers[k % kBuffers]; }
