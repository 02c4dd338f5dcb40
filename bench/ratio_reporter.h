// A console reporter that also keeps each benchmark's CPU time, so a program
// can print ratios measured in one run. CPU time, not wall-clock time: a
// busy machine stretches the wall clock of one case and not the other's.
#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// The process's resident size in KiB, from /proc.
inline long ResidentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) times_[r.benchmark_name()] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    bool Has(const std::string& name) const { return times_.count(name) != 0; }
    double Time(const std::string& name) const { return times_.at(name); }

    // Prints "label: a / b" when both ran.
    void PrintRatio(const char* label, const std::string& a, const std::string& b, const char* target) const
    {
        if (Has(a) && Has(b)) std::printf("%s: %.2f (%s)\n", label, Time(a) / Time(b), target);
    }

private:
    std::map<std::string, double> times_;
};
