// The bad-argument sweep over every exported function, generated from the
// header (see tools/gen_arg_sweep.py for how arguments are chosen and which
// families depart from the common order):
//
//  - a null pointer gives vekStsNullPtrErr and writes nothing;
//  - a zero or negative length gives vekStsSizeErr and writes nothing;
//  - when the n-th allocation of a call fails, for every n until the call
//    succeeds, it gives vekStsMemAllocErr, writes nothing and holds no
//    block afterwards.
//
// "Writes nothing" is checked on every buffer the call received: each is
// filled with a pattern before the call and compared with it afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "arg_sweep.h"
#include "vekcore.h"

namespace {

constexpr int kBuffers = 24;
constexpr std::size_t kBufferBytes = 65536;
constexpr int kTables = 4;
constexpr int kChannels = 16;
constexpr std::size_t kChannelBytes = 4096;
constexpr unsigned char kFill = 0xA5;

alignas(64) unsigned char g_buffers[kBuffers][kBufferBytes];
alignas(64) unsigned char g_channels[kTables][kChannels][kChannelBytes];
void* g_tables[kTables][kChannels];
alignas(64) unsigned char g_pattern[kBufferBytes];
unsigned char fill_of(int k) { return k < kZeroBuffer ? kFill : 0; }
alignas(64) unsigned char g_zeros[kBufferBytes];

void fill_all() {
    for (int k = 0; k < kBuffers; ++k) std::memset(g_buffers[k], fill_of(k), kBufferBytes);
    std::memset(g_channels, kFill, sizeof g_channels);
    std::memset(g_pattern, kFill, sizeof g_pattern);
    for (int t = 0; t < kTables; ++t)
        for (int c = 0; c < kChannels; ++c) g_tables[t][c] = g_channels[t][c];
}

// True when every buffer and table in the masks still holds its pattern;
// restores whatever was written either way.
bool untouched(unsigned buffers, unsigned tables) {
    bool same = true;
    for (int k = 0; k < kBuffers; ++k) {
        if (!(buffers >> k & 1u)) continue;
        const unsigned char* ref = k < kZeroBuffer ? g_pattern : g_zeros;
        if (std::memcmp(g_buffers[k], ref, kBufferBytes) == 0) continue;
        same = false;
        std::memset(g_buffers[k], fill_of(k), kBufferBytes);
    }
    for (int t = 0; t < kTables; ++t) {
        if (!(tables >> t & 1u)) continue;
        for (int c = 0; c < kChannels; ++c) {
            if (g_tables[t][c] != g_channels[t][c]) same = false, g_tables[t][c] = g_channels[t][c];
            if (std::memcmp(g_channels[t][c], g_pattern, kChannelBytes) == 0) continue;
            same = false;
            std::memset(g_channels[t][c], kFill, kChannelBytes);
        }
    }
    return same;
}

// Live objects for specification and state parameters, released at exit
// (before the leak check of the sanitizer build runs).
struct Objects {
    std::vector<std::pair<void*, void (*)(void*)>> live;
    std::vector<std::string> failed;
    std::vector<std::vector<unsigned char>> arenas;
    ~Objects() {
        for (auto& [p, release] : live)
            if (release) release(p);
    }
};
Objects& objects() {
    static Objects o;
    return o;
}

std::string label(const char* function, const char* what) { return std::string(function) + " (" + what + ")"; }

struct Sweep : ::testing::Test {
    static void SetUpTestSuite() {
        fill_all();
        vt_make_objects();
        fill_all();
    }
};

TEST_F(Sweep, EveryLiveObjectIsBuilt) {
    for (const std::string& t : objects().failed) ADD_FAILURE() << "no live object for " << t;
}

TEST_F(Sweep, NullPointerGivesNullPtrErrAndWritesNothing) {
    int strict = 0, optional = 0;
    const std::int64_t live = vekcoreLiveBlocks();
    for (int i = 0; i < kNullCasesCount; ++i) {
        const SweepCase& c = kNullCases[i];
        const VekStatus s = c.call();
        if (s >= 0 && c.release) c.release();
        const bool clean = untouched(c.buffers, c.tables);
        if (c.expected == kOptional || c.expected == kOptionalLate) {
            ++optional;
            // Accepted (a complete result or a warning), or refused with -8.
            EXPECT_TRUE(s >= 0 || s == vekStsNullPtrErr) << label(c.function, c.what) << " null: status " << s;
            EXPECT_TRUE(s != vekStsNullPtrErr || clean || c.expected == kOptionalLate)
                << label(c.function, c.what) << " null: -8 after writing";
            continue;
        }
        ++strict;
        const int expected = c.expected == kWritesFirst ? vekStsNullPtrErr : c.expected;
        EXPECT_EQ(s, expected) << label(c.function, c.what) << " null: status " << s;
        EXPECT_TRUE(clean || c.expected == kWritesFirst) << label(c.function, c.what) << " null: wrote";
    }
    EXPECT_EQ(vekcoreLiveBlocks(), live) << "objects made by accepted null cases were not all released";
    std::printf("null sweep: %d pointer positions must be refused, %d may be null\n", strict, optional);
}

TEST_F(Sweep, ZeroAndNegativeLengthsAreRefusedAndWriteNothing) {
    for (int i = 0; i < kLengthCasesCount; ++i) {
        const SweepCase& c = kLengthCases[i];
        const VekStatus s = c.call();
        EXPECT_EQ(s, c.expected) << label(c.function, c.what) << ": status " << s;
        EXPECT_TRUE(untouched(c.buffers, c.tables)) << label(c.function, c.what) << ": wrote";
    }
    std::printf("length sweep: %d cases\n", kLengthCasesCount);
}

// Every call that allocates, with the 1st, 2nd, ... allocation failing.
TEST_F(Sweep, AllocationFailureGivesMemAllocErrLeaksNothingWritesNothing) {
    int covered = 0, attempts = 0, refused = 0;
    std::vector<std::string> names;
    for (int i = 0; i < kValidCallsCount; ++i) {
        const ValidCall& v = kValidCalls[i];
        const std::int64_t live = vekcoreLiveBlocks();
        const std::int64_t before = vekcoreAllocCalls();
        const VekStatus ok = v.call();
        const std::int64_t made = vekcoreAllocCalls() - before;
        if (ok >= 0 && v.release) v.release();
        untouched(v.buffers, v.tables);
        if (ok < 0) {
            ++refused;
            if (std::getenv("VEKS_SWEEP_LIST")) std::printf("  refused %s: %d\n", label(v.function, v.what).c_str(), ok);
        }
        if (ok < 0 || made == 0) continue;
        EXPECT_EQ(vekcoreLiveBlocks(), live) << label(v.function, v.what) << " leaked on success";
        ++covered;
        names.push_back(label(v.function, v.what));
        for (std::int64_t n = 1; n <= made; ++n) {
            ++attempts;
            vekcoreFailAllocation(n);
            const VekStatus s = v.call();
            vekcoreFailAllocation(0);
            if (s >= 0 && v.release) v.release();
            if (s < 0 && v.nulls_output) {
                void* stored = reinterpret_cast<void*>(1);
                std::memcpy(&stored, vt_buf(0), sizeof stored);
                EXPECT_EQ(stored, nullptr) << label(v.function, v.what) << ": allocation " << n << " kept *ppState";
                std::memset(vt_buf(0), kFill, sizeof stored);
            }
            EXPECT_EQ(s, vekStsMemAllocErr) << label(v.function, v.what) << ": allocation " << n << " of " << made << ": status " << s;
            EXPECT_TRUE(untouched(v.buffers, v.tables)) << label(v.function, v.what) << ": allocation " << n << " wrote";
            EXPECT_EQ(vekcoreLiveBlocks(), live) << label(v.function, v.what) << ": allocation " << n << " leaked";
        }
    }
    std::set<std::string> functions;
    for (const std::string& n : names) functions.insert(n.substr(0, n.find(' ')));
    std::printf("allocation sweep: %d allocating calls of %zu functions, %d failing attempts "
                "(%d of %d generic calls refused their arguments)\n",
                covered, functions.size(), attempts, refused, kValidCallsCount);
    if (std::getenv("VEKS_SWEEP_LIST"))
        for (const std::string& n : names) std::printf("  %s\n", n.c_str());
    EXPECT_GT(covered, 0);
}

}  // namespace

void* vt_buf(int k) { return g_buffers[k % kBuffers]; }
void* vt_table(int k) { return g_tables[k % kTables]; }
const Vek32s* vt_iota() {
    static Vek32s a[1024];
    for (int i = 0; i < 1024; ++i) a[i] = i;
    return a;
}
void* vt_zeros() { return g_zeros; }
void* vt_arena() {
    auto& a = objects().arenas;
    a.emplace_back(kBufferBytes + 64);
    const auto p = reinterpret_cast<std::uintptr_t>(a.back().data());
    return a.back().data() + (64 - p % 64) % 64;
}
void vt_made_object(VekStatus status, const char* type, void* object, void (*release)(void*)) {
    if (status != vekStsNoErr || !object)
        objects().failed.push_back(std::string(type) + ": status " + std::to_string(status));
    else
        objects().live.emplace_back(object, release);
}
