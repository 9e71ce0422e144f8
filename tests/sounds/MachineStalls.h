#pragma once

// A virtual machine whose host is busy can stand still for a tenth of a
// second, every thread at once, sound server and recorder included: what is
// heard then is cut or late through no fault of the program; so can one of
// its processors alone. On each processor a thread that only sleeps a
// millisecond at a time notes each time it woke much later than it asked,
// so that a measure taken while the machine stood still can be told from a
// fault.

#include "SoundServer.h"

#include <QStringList>

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

class MachineStalls
{
public:
    // A wake this much later than asked is a stall, in seconds; shorter
    // delays are well within what the sound's buffers bridge.
    static constexpr double Noted = 0.02;

    // One watcher on each processor the test may run on.
    MachineStalls()
    {
        cpu_set_t allowed;
        CPU_ZERO(&allowed);
        if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
            CPU_SET(0, &allowed);
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
            if (CPU_ISSET(cpu, &allowed))
                watchers.emplace_back([this, cpu] { Watch(cpu); });
        }
    }
    ~MachineStalls()
    {
        stopping = true;
        for (std::thread &watcher : watchers)
            watcher.join();
    }

    // The stalls that overlap from .. to (monotonic seconds), described; an
    // empty text when the machine ran throughout.
    QString During(double from, double to) const
    {
        std::vector<std::pair<double, double>> overlapping;
        {
            std::lock_guard<std::mutex> lock(mutex);
            for (const auto &stall : stalls) {
                if (stall.second >= from && stall.first <= to)
                    overlapping.push_back(stall);
            }
        }
        // One stall of the whole machine is seen on every processor.
        std::sort(overlapping.begin(), overlapping.end());
        QStringList found;
        for (size_t i = 0; i < overlapping.size();) {
            auto [start, end] = overlapping[i];
            for (++i; i < overlapping.size() && overlapping[i].first <= end; ++i)
                end = std::max(end, overlapping[i].second);
            found << QString("%1 ms at %2 s").arg((end - start) * 1000, 0, 'f', 0).arg(start - from, 0, 'f', 2);
        }
        return found.isEmpty() ? QString() : "the machine stood still " + found.join(", ");
    }

private:
    void Watch(int cpu)
    {
        // Unpinned where the system does not allow it (the affinity could
        // not be read): it still sees the whole machine stand still.
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(cpu, &one);
        pthread_setaffinity_np(pthread_self(), sizeof one, &one);
        double last = MonotonicSeconds();
        while (!stopping) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            const double now = MonotonicSeconds();
            if (now - last > 0.001 + Noted) {
                std::lock_guard<std::mutex> lock(mutex);
                stalls.emplace_back(last, now);
            }
            last = now;
        }
    }

    std::atomic<bool> stopping{false};
    mutable std::mutex mutex;
    std::vector<std::pair<double, double>> stalls;
    std::vector<std::thread> watchers;
};
