// The console table of a benchmark program, in plain text, keeping each run's adjusted times by
// benchmark name for the ratio lines the program prints after it. A name never run reads as 0.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

struct Bench_Times : benchmark::ConsoleReporter {
    std::map<std::string, double> real_ns;
    std::map<std::string, double> cpu_ns;

    Bench_Times() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &r : runs) {
            real_ns[r.benchmark_name()] = r.GetAdjustedRealTime();
            cpu_ns[r.benchmark_name()] = r.GetAdjustedCPUTime();
        }
    }

    double Real(const std::string &name) const { return Of(real_ns, name); }
    double Cpu(const std::string &name) const { return Of(cpu_ns, name); }

private:
    static double Of(const std::map<std::string, double> &times, const std::string &name)
    {
        auto it = times.find(name);
        return it == times.end() ? 0 : it->second;
    }
};
