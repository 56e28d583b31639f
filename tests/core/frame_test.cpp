// The library frame: version record, typed allocation through the core
// library, the integer scaling rules and the parallel split.
#include <gtest/gtest.h>
#include <unistd.h>
#include <xmmintrin.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "core/check.h"
#include "core/parallel.h"
#include "core/scale.h"
#include "test_util.h"

namespace {

TEST(Version, RecordHoldsTheFixedValues) {
    const VekLibraryVersion* v = veksGetLibVersion();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, veksGetLibVersion());
    EXPECT_EQ(v->major, 6);
    EXPECT_EQ(v->minor, 1);
    EXPECT_EQ(v->majorBuild, 137);
    EXPECT_EQ(v->build, 847);
    EXPECT_EQ(std::memcmp(v->targetCpu, "n8\0\0", 4), 0);
    EXPECT_STREQ(v->name, "libveksn8.so.6.1");
    EXPECT_STREQ(v->version, "6.1 build 137.56");
    EXPECT_STREQ(v->buildDate, "Mar 17 2010");
}

// Each typed allocator asks the core library for len * element size bytes.
struct MallocCase {
    const char* name;
    void* (*alloc)(int);
    std::uint64_t size;
};

template <class T, T* (*F)(int)>
void* erase(int n) { return F(n); }

const MallocCase kMallocs[] = {
    {"8u", erase<Vek8u, veksMalloc_8u>, 1},       {"8s", erase<Vek8s, veksMalloc_8s>, 1},
    {"8sc", erase<Vek8sc, veksMalloc_8sc>, 2},    {"16u", erase<Vek16u, veksMalloc_16u>, 2},
    {"16s", erase<Vek16s, veksMalloc_16s>, 2},    {"16sc", erase<Vek16sc, veksMalloc_16sc>, 4},
    {"32u", erase<Vek32u, veksMalloc_32u>, 4},    {"32s", erase<Vek32s, veksMalloc_32s>, 4},
    {"32sc", erase<Vek32sc, veksMalloc_32sc>, 8}, {"32f", erase<Vek32f, veksMalloc_32f>, 4},
    {"32fc", erase<Vek32fc, veksMalloc_32fc>, 8}, {"64s", erase<Vek64s, veksMalloc_64s>, 8},
    {"64sc", erase<Vek64sc, veksMalloc_64sc>, 16}, {"64f", erase<Vek64f, veksMalloc_64f>, 8},
    {"64fc", erase<Vek64fc, veksMalloc_64fc>, 16},
};

TEST(Malloc, ByteCountsAlignmentAndRelease) {
    for (const auto& c : kMallocs) {
        SCOPED_TRACE(c.name);
        const auto live = vekcoreLiveBlocks();
        for (int n : {1, 3, 1000}) {
            void* p = c.alloc(n);
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(vekcoreLastRequest(), c.size * std::uint64_t(n));
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 64, 0u);
            std::memset(p, 0x5A, c.size * n);  // the whole block is usable
            veksFree(p);
        }
        EXPECT_EQ(vekcoreLiveBlocks(), live);
    }
}

TEST(Malloc, NonPositiveLengthNeverCallsTheAllocator) {
    for (const auto& c : kMallocs) {
        const auto calls = vekcoreAllocCalls();
        EXPECT_EQ(c.alloc(0), nullptr) << c.name;
        EXPECT_EQ(c.alloc(-5), nullptr) << c.name;
        EXPECT_EQ(vekcoreAllocCalls(), calls) << c.name;
    }
}

TEST(Malloc, LargeCountsDoNotOverflowAndFailureIsReturned) {
    // 2^31 - 1 complex doubles is ~32 GiB: the request is exact even if the
    // allocation itself fails.
    void* p = veksMalloc_64fc(0x7FFFFFFF);
    EXPECT_EQ(vekcoreLastRequest(), 16ull * 0x7FFFFFFFull);
    veksFree(p);
    vekcoreFailAllocation(2);
    void* a = veksMalloc_32f(8);
    void* b = veksMalloc_32f(8);
    void* c = veksMalloc_32f(8);
    EXPECT_NE(a, nullptr);
    EXPECT_EQ(b, nullptr);
    EXPECT_NE(c, nullptr);
    veksFree(a);
    veksFree(b);  // null is ignored
    veksFree(c);
}

// The scaling rule against the examples of the rounding definition and an
// independent model: exact rational rounding, then clamping.
__int128 model_round(__int128 r, int sf) {
    if (sf <= 0) return r;  // negative factors handled by the caller
    const __int128 d = __int128(1) << sf;
    __int128 q = r / d, m = r % d;
    if (m < 0) { m += d; q -= 1; }  // floor division
    if (2 * m > d || (2 * m == d && (q & 1))) q += 1;
    return q;
}

TEST(Scale, RoundHalfToEvenExamples) {
    using veks::shift_round_even;
    EXPECT_EQ(shift_round_even<int>(5, 1), 2);
    EXPECT_EQ(shift_round_even<int>(7, 1), 4);
    EXPECT_EQ(shift_round_even<int>(-5, 1), -2);
    EXPECT_EQ(shift_round_even<int>(-7, 1), -4);
    EXPECT_EQ(shift_round_even<int>(2, 2), 0);
    EXPECT_EQ(shift_round_even<int>(6, 2), 2);
    EXPECT_EQ(shift_round_even<int>(10, 2), 2);
    for (int r = -40; r <= 40; ++r) EXPECT_EQ(veks::shift_round_even_1<int>(r), model_round(r, 1)) << r;
}

TEST(Scale, ExactRuleMatchesModelOverAllFactors) {
    vt::Rng rng(7);
    for (int sf = -70; sf <= 126; ++sf) {
        for (int i = 0; i < 400; ++i) {
            const __int128 r = __int128(std::int64_t(rng.raw())) >> (rng.raw() % 63);
            __int128 expect;
            if (sf >= 0) {
                expect = model_round(r, sf);
            } else {
                const bool big = sf <= -64 || (r != 0 && (r < 0 ? -r : r) >= (__int128(1) << (64 + sf)));
                expect = big ? (r > 0 ? (__int128(1) << 70) : r < 0 ? -(__int128(1) << 70) : 0)
                             : r * (__int128(1) << -sf);
            }
            const auto clamp16 = [](__int128 x) { return x > 32767 ? 32767 : x < -32768 ? -32768 : int(x); };
            ASSERT_EQ(veks::scale_exact<std::int16_t>(r, sf), clamp16(expect)) << "sf=" << sf;
        }
    }
}

TEST(Scale, FloatFactorBitsAreExact) {
    for (int sf = -127; sf <= 126; ++sf) {
        EXPECT_EQ(veks::float_scale(sf), std::ldexp(1.0f, -sf)) << sf;
    }
    for (int sf = -1022; sf <= 1023; sf += 7) EXPECT_EQ(veks::double_scale(sf), std::ldexp(1.0, -sf)) << sf;
}

TEST(Check, OrderOfTheSharedHelpers) {
    int x = 0;
    EXPECT_EQ(veks::check_vec(0, &x, static_cast<int*>(nullptr)), vekStsNullPtrErr);
    EXPECT_EQ(veks::check_vec(0, &x, &x), vekStsSizeErr);
    EXPECT_EQ(veks::check_vec(-1, &x), vekStsSizeErr);
    EXPECT_EQ(veks::check_vec(1, &x), vekStsNoErr);
    const std::uint32_t id = veks::fourcc('F', 'I', '0', '1');
    EXPECT_EQ(id, 0x46493031u);
    EXPECT_EQ(veks::check_id(&id, id), vekStsNoErr);
    EXPECT_EQ(veks::check_id(&id, id + 1), vekStsContextMatchErr);
}

// The split: which ranges each thread receives, and the merged flag.
std::vector<std::pair<int, int>> pieces_of(int len, int threads, int cap, int flag_at = -1, int* result = nullptr) {
    vt::Threads scope(threads);
    std::mutex m;
    std::vector<std::pair<int, int>> got;
    const int r = veks::run_split(len, 4096, cap, [&](int off, int count) {
        std::lock_guard<std::mutex> lock(m);
        got.emplace_back(off, count);
        return flag_at >= off && flag_at < off + count ? 1 : 0;
    });
    if (result) *result = r;
    std::sort(got.begin(), got.end());
    return got;
}

TEST(Parallel, SplitOf4097OverTwoThreads) {
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(pieces_of(4097, 2, veks::kElementwiseThreadCap), (P{{0, 2048}, {2048, 2049}}));
    // The element-wise cap keeps four available threads at two.
    EXPECT_EQ(pieces_of(4097, 4, veks::kElementwiseThreadCap), (P{{0, 2048}, {2048, 2049}}));
    // Uncapped (Div_Round) asks for every thread; the last takes the remainder.
    EXPECT_EQ(pieces_of(4098, 4, 0), (P{{0, 1024}, {1024, 1024}, {2048, 1024}, {3072, 1026}}));
    // Below the threshold, or with one thread: one serial piece.
    EXPECT_EQ(pieces_of(4095, 4, 2), (P{{0, 4095}}));
    EXPECT_EQ(pieces_of(10000, 1, 2), (P{{0, 10000}}));
}

TEST(Parallel, FlagFromAnyPieceIsMerged) {
    for (int threads : vt::thread_counts()) {
        int r = -1;
        pieces_of(5000, threads, 0, 4999, &r);
        EXPECT_EQ(r, 1) << threads;
        pieces_of(5000, threads, 0, -1, &r);
        EXPECT_EQ(r, 0) << threads;
    }
}

TEST(Parallel, LengthBelowTeamSizeRunsSerially) {
    vt::Threads scope(8);
    int calls = 0;
    veks::run_omp(5, 0, [&](int off, int count) {
        ++calls;
        EXPECT_EQ(off, 0);
        EXPECT_EQ(count, 5);
        return 0;
    });
    EXPECT_EQ(calls, 1);
}


// Every piece runs under the caller's rounding direction, whichever thread
// takes it, and the exception flags raised in any piece reach the caller.
TEST(Parallel, PiecesSeeTheCallersControlsAndReportTheirFlags) {
    const unsigned saved = _mm_getcsr();
    for (unsigned mode : {0x0000u, 0x2000u, 0x4000u, 0x6000u})
        for (int threads : vt::thread_counts()) {
            vt::Threads scope(threads);
            _mm_setcsr((saved & ~0x603Fu) | mode);
            volatile float one = 1.0f, three = 3.0f, zero = 0.0f, sink = 0.0f;
            const float expect = one / three;
            _mm_setcsr(_mm_getcsr() & ~0x3Fu);
            std::vector<float> seen(4, 0.0f);
            veks::run_split(8192, 4096, 0, [&](int off, int count) {
                seen[off / (8192 / threads)] = one / three;
                if (off + count == 8192) sink = one / zero;
                return 0;
            });
            for (int t = 0; t < threads; ++t) EXPECT_TRUE(vt::same_bits(&seen[t], &expect, 1)) << mode << " " << t;
            EXPECT_NE(_mm_getcsr() & 0x04u, 0u) << "divide-by-zero flag lost, mode " << mode;
            EXPECT_EQ(_mm_getcsr() & 0x6000u, mode);
        }
    _mm_setcsr(saved);
}

// Many jobs in a row of every team size: each piece exactly once, with its
// own range, and the flag of exactly the jobs that raised one.
TEST(Parallel, BackToBackJobsKeepTheirPieces) {
    for (int threads : {2, 3, 4, 8}) {
        vt::Threads scope(threads);
        std::vector<std::atomic<int>> hits(threads);
        for (int job = 0; job < 3000; ++job) {
            const int len = 4096 + job % 97;
            for (auto& h : hits) h.store(0);
            const int r = veks::run_split(len, 4096, 0, [&](int off, int count) {
                const int t = off / (len / threads);
                hits[t].fetch_add(off == t * (len / threads) ? 1 : 100);
                return job % 5 == 0 && off + count == len ? 1 : 0;
            });
            for (int t = 0; t < threads; ++t) ASSERT_EQ(hits[t].load(), 1) << threads << " job " << job << " piece " << t;
            ASSERT_EQ(r, job % 5 == 0 ? 1 : 0) << threads << " job " << job;
        }
    }
}

// Called from the threads of an application's OpenMP team, every piece
// runs on the calling thread: no helper adds to the team's threads.
TEST(Parallel, InsideAnOpenMpTeamPiecesStayOnTheCaller) {
    vt::Threads scope(2);
    std::atomic<int> foreign{0}, ran{0};
#pragma omp parallel num_threads(2)
    {
        const std::thread::id me = std::this_thread::get_id();
        for (int job = 0; job < 20; ++job)
            veks::run_split(8192, 4096, 0, [&](int, int) {
                // Long enough for an idle helper to claim a piece.
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                ran.fetch_add(1);
                if (std::this_thread::get_id() != me) foreign.fetch_add(1);
                return 0;
            });
    }
    EXPECT_EQ(foreign.load(), 0);
    EXPECT_GE(ran.load(), 40);
}

// Without a setter the budget is OMP_NUM_THREADS (its first level) when
// that is a positive number, else the processor count.
TEST(ThreadBudget, DefaultFollowsOmpNumThreads) {
    vekcoreSetNumThreads(0);
    const char* env = std::getenv("OMP_NUM_THREADS");
    const int want = env && std::atoi(env) > 0 ? std::atoi(env) : int(sysconf(_SC_NPROCESSORS_ONLN));
    EXPECT_EQ(ownGetNumThreads(), want);
    vekcoreSetNumThreads(5);
    EXPECT_EQ(ownGetNumThreads(), 5);
    vekcoreSetNumThreads(0);
    EXPECT_EQ(ownGetNumThreads(), want);
}

}  // namespace
