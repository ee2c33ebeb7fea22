// Timing for the benchmarks: the best of several timed batches, so that a
// busy machine disturbs the figures as little as it can.
#ifndef MOLLIBEK_BENCH_CLOCK_H
#define MOLLIBEK_BENCH_CLOCK_H

#include <algorithm>
#include <chrono>

// Nanoseconds per call of work() over one batch of `calls` calls;
// prepare() runs untimed before it.
template <typename Prepare, typename Work>
double nanosecondsPerCall(int calls, Prepare prepare, Work work)
{
    prepare();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        work();
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(stop - start).count() / calls;
}

// The best of `batches` batches.
template <typename Prepare, typename Work>
double bestNanosecondsPerCall(int batches, int calls, Prepare prepare, Work work)
{
    double best = 1e300;
    for (int b = 0; b < batches; ++b)
        best = std::min(best, nanosecondsPerCall(calls, prepare, work));
    return best;
}

struct Comparison {
    double measured, baseline; // nanoseconds per call, best batch of each
};

// Batches of the work and of its baseline taken in turn, so that both meet
// the same load on the machine.
template <typename Prepare, typename Work, typename Baseline>
Comparison compareBest(int batches, int calls, Prepare prepare, Work work, Baseline baseline)
{
    Comparison c{1e300, 1e300};
    for (int b = 0; b < batches; ++b) {
        c.measured = std::min(c.measured, nanosecondsPerCall(calls, prepare, work));
        c.baseline = std::min(c.baseline, nanosecondsPerCall(calls, prepare, baseline));
    }
    return c;
}

#endif
