// Timing for the benchmarks: the best of several timed batches, so that a
// busy machine disturbs the figures as little as it can.
#ifndef MOLLIBEK_BENCH_CLOCK_H
#define MOLLIBEK_BENCH_CLOCK_H

#include <chrono>

// Nanoseconds per call of work(), the best of `batches` batches of `calls`
// calls; prepare() runs untimed before each batch.
template <typename Prepare, typename Work>
double bestNanosecondsPerCall(int batches, int calls, Prepare prepare, Work work)
{
    double best = 1e300;
    for (int b = 0; b < batches; ++b) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            work();
        const auto stop = std::chrono::steady_clock::now();
        const double ns = std::chrono::duration<double, std::nano>(stop - start).count() / calls;
        if (ns < best)
            best = ns;
    }
    return best;
}

#endif
