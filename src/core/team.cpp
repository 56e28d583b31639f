// A lazily grown pool of helper threads with one job slot.
//
// The slot's claim word packs the job generation, the piece count and the
// next unclaimed piece; a piece is taken by one compare-and-swap on it, so a
// helper that slept through a job can never take a piece of a later one by
// mistake. The job description (body, context, MXCSR) is written before the
// claim word is published and rewritten only after every piece of the job is
// done, so a thread that holds a claim reads it safely.
//
// Calls made from inside an OpenMP parallel region of the application run
// serially, as a nested OpenMP region would.
//
// Idle helpers spin briefly (back-to-back calls find them awake), then sleep
// on a futex. The caller never waits for a helper to wake up: it runs every
// piece nobody has claimed, and then waits only for pieces already started.
// A job that the helpers did not make faster (a machine without a spare
// processor) sends the following jobs to the caller alone for a while.
#include "team.h"

#include <linux/futex.h>
#include <omp.h>
#include <pthread.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <xmmintrin.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdint>

namespace veks {
namespace {

using Clock = std::chrono::steady_clock;

// How long an idle helper polls before it sleeps, and for how much of that
// it polls without giving way (a caller preempted on the same processor
// must not wait for a spinning helper).
constexpr Clock::duration kIdleSpin = std::chrono::microseconds(50);
constexpr Clock::duration kIdlePause = std::chrono::microseconds(2);
// How long the caller polls for started pieces before it yields, and the
// serial spells after jobs that the helpers did not speed up (judge()).
constexpr Clock::duration kMinPatience = std::chrono::microseconds(20);
constexpr Clock::duration kMinBackoff = std::chrono::milliseconds(1);
constexpr Clock::duration kMaxBackoff = std::chrono::milliseconds(128);

constexpr unsigned kFlags = 0x3Fu;  // MXCSR exception flags

void futex_wait(std::atomic<std::uint32_t>& word, std::uint32_t expected) {
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAIT_PRIVATE, expected, nullptr, nullptr, 0);
}
void futex_wake(std::atomic<std::uint32_t>& word, int count) {
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAKE_PRIVATE, count, nullptr, nullptr, 0);
}

struct Pool {
    // generation << 32 | pieces << 16 | next unclaimed piece
    std::atomic<std::uint64_t> claim{0};
    std::atomic<std::uint32_t> seq{0};  // changes with every job; helpers sleep on it
    std::atomic<int> sleepers{0};
    std::atomic<int> done{0};
    std::atomic<int> flag{0};
    std::atomic<unsigned> raised{0};  // exception flags from the helpers
    std::atomic<std::int64_t> fastest{0};  // ns of the quickest piece
    std::atomic<bool> busy{false};
    std::atomic<bool> stop{false};

    // The job; read only under a claim (see above).
    TeamPiece body = nullptr;
    void* ctx = nullptr;
    unsigned csr = 0;

    // Touched only by the thread that holds `busy`, and at exit.
    pthread_t threads[kMaxTeam - 1];
    int helpers = 0;
    Clock::time_point serial_until{};
    Clock::duration backoff = kMinBackoff;

    Pool() { pthread_atfork(nullptr, nullptr, [] { forget_helpers(); }); }
    ~Pool() {
        stop.store(true);
        seq.fetch_add(1);
        futex_wake(seq, INT_MAX);
        for (int i = 0; i < helpers; ++i) pthread_join(threads[i], nullptr);
    }

    static Pool& get() {
        static Pool pool;
        return pool;
    }
    // A forked child has none of the parent's helpers.
    static void forget_helpers() {
        Pool& p = get();
        p.helpers = 0;
        p.sleepers.store(0);
        p.busy.store(false);
    }
};

// Runs piece k of the current job and records its flag and duration. A
// helper runs it under the caller's controls and reports the exception
// flags raised.
void run_piece(Pool& p, int k, bool helper) {
    if (helper) _mm_setcsr(p.csr & ~kFlags);
    const Clock::time_point t0 = Clock::now();
    if (p.body(p.ctx, k) != 0) p.flag.store(1, std::memory_order_relaxed);
    const std::int64_t ns = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - t0).count();
    std::int64_t m = p.fastest.load(std::memory_order_relaxed);
    while (ns < m && !p.fastest.compare_exchange_weak(m, ns, std::memory_order_relaxed)) {
    }
    if (helper) {
        const unsigned f = _mm_getcsr() & kFlags;
        if (f) p.raised.fetch_or(f, std::memory_order_relaxed);
    }
    p.done.fetch_add(1, std::memory_order_release);
}

// Claims and runs pieces of the current job until none is left; returns
// how many it ran.
int run_claims(Pool& p, bool helper) {
    int ran = 0;
    std::uint64_t w = p.claim.load(std::memory_order_acquire);
    for (;;) {
        const int next = int(w & 0xFFFF), pieces = int((w >> 16) & 0xFFFF);
        if (next >= pieces) return ran;
        if (!p.claim.compare_exchange_weak(w, w + 1, std::memory_order_acq_rel, std::memory_order_acquire)) continue;
        ++ran;
        run_piece(p, next, helper);
        w = p.claim.load(std::memory_order_acquire);
    }
}

// Waits until `seq` moves past `seen`; false once the pool shuts down
// (`stop` is set before `seq` moves, so it is seen whichever way round).
bool wait_for_job(Pool& p, std::uint32_t& seen) {
    auto moved = [&] {
        const std::uint32_t s = p.seq.load(std::memory_order_acquire);
        if (s == seen) return false;
        seen = s;
        return true;
    };
    const Clock::time_point start = Clock::now();
    bool yielding = false;
    for (int i = 1; !moved(); ++i) {
        if (p.stop.load(std::memory_order_relaxed)) return false;
        if (yielding) sched_yield();
        else _mm_pause();
        if (i % 64 != 0) continue;
        const Clock::duration idle = Clock::now() - start;
        yielding = idle > kIdlePause;
        if (idle > kIdleSpin) {
            while (!moved()) {
                if (p.stop.load()) return false;
                p.sleepers.fetch_add(1);
                if (p.seq.load() == seen) futex_wait(p.seq, seen);
                p.sleepers.fetch_sub(1);
            }
            break;
        }
    }
    return !p.stop.load(std::memory_order_relaxed);
}

void* helper_main(void*) {
    Pool& p = Pool::get();
    std::uint32_t seen = p.seq.load(std::memory_order_acquire);
    do run_claims(p, true);
    while (wait_for_job(p, seen));
    return nullptr;
}

// Starts helpers up to `want`; a refused thread just leaves fewer.
void grow(Pool& p, int want) {
    while (p.helpers < want && pthread_create(&p.threads[p.helpers], nullptr, helper_main, nullptr) == 0) ++p.helpers;
}

// Waits for the pieces that helpers started, yielding the processor once
// the wait is long against the quickest piece.
void join(Pool& p, int pieces) {
    const Clock::time_point from = Clock::now();
    const Clock::duration patience = std::max<Clock::duration>(std::chrono::nanoseconds(p.fastest.load(std::memory_order_relaxed)), kMinPatience);
    bool late = false;
    for (int i = 1; p.done.load(std::memory_order_acquire) < pieces; ++i) {
        _mm_pause();
        if (i % 64 == 0 && (late || Clock::now() - from > patience)) {
            late = true;
            sched_yield();
        }
    }
}

// Whether the helpers paid off: the job took clearly less than its pieces
// one after the other at the pace of the quickest. When they did not (no
// spare processor, the caller or a helper descheduled, the data far from
// a helper), the following jobs run on the caller alone for a while: twice
// as long as the last time (up to kMaxBackoff), and half as long after a
// gain.
void judge(Pool& p, int pieces, int own_pieces, Clock::duration total) {
    const std::int64_t serial = p.fastest.load(std::memory_order_relaxed) * pieces;
    const std::int64_t took = std::chrono::duration_cast<std::chrono::nanoseconds>(total).count();
    const bool gained = own_pieces < pieces && took * 10 < serial * 9;
    if (gained) {
        p.backoff = std::max(p.backoff / 2, kMinBackoff);
        return;
    }
    p.serial_until = Clock::now() + p.backoff;
    p.backoff = std::min(2 * p.backoff, kMaxBackoff);
}

int run_serial(int pieces, TeamPiece body, void* ctx) {
    int flag = 0;
    for (int k = 0; k < pieces; ++k) flag |= body(ctx, k) != 0;
    return flag;
}

}  // namespace

int team_run(int pieces, TeamPiece body, void* ctx) {
    // Inside an application's OpenMP team every processor already has a
    // thread of its own: helpers would only oversubscribe them.
    if (pieces <= 1 || omp_in_parallel()) return run_serial(pieces, body, ctx);
    Pool& p = Pool::get();
    if (p.busy.exchange(true, std::memory_order_acquire)) return run_serial(pieces, body, ctx);
    if (Clock::now() < p.serial_until) {
        p.busy.store(false, std::memory_order_release);
        return run_serial(pieces, body, ctx);
    }
    grow(p, pieces - 1);
    const Clock::time_point start = Clock::now();

    p.body = body;
    p.ctx = ctx;
    p.csr = _mm_getcsr();
    p.flag.store(0, std::memory_order_relaxed);
    p.raised.store(0, std::memory_order_relaxed);
    p.fastest.store(INT64_MAX, std::memory_order_relaxed);
    p.done.store(0, std::memory_order_relaxed);
    const std::uint64_t gen = (p.claim.load(std::memory_order_relaxed) >> 32) + 1;
    std::uint64_t w = gen << 32 | std::uint64_t(pieces) << 16;
    p.claim.store(w, std::memory_order_release);
    p.seq.fetch_add(1);
    // The caller takes a piece before it wakes sleeping helpers: a woken
    // helper may preempt it on this processor.
    const bool first = p.claim.compare_exchange_strong(w, w + 1, std::memory_order_acq_rel);
    if (p.sleepers.load() > 0) futex_wake(p.seq, pieces - 1);
    if (first) run_piece(p, int(w & 0xFFFF), false);
    const int own_pieces = int(first) + run_claims(p, false);
    join(p, pieces);
    judge(p, pieces, own_pieces, Clock::now() - start);
    const int flag = p.flag.load(std::memory_order_relaxed);
    if (const unsigned f = p.raised.load(std::memory_order_relaxed)) _mm_setcsr(_mm_getcsr() | f);
    p.busy.store(false, std::memory_order_release);
    return flag;
}

}  // namespace veks
