#include "wine_report.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "statistics.h"

namespace ravel::bench {
namespace {

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::vector<double> Times(const std::vector<TimedRun>& runs) {
  std::vector<double> times;
  for (const TimedRun& run : runs) times.push_back(run.ms);
  return times;
}

std::vector<double> CpuTimes(const std::vector<TimedRun>& runs) {
  std::vector<double> times;
  for (const TimedRun& run : runs) times.push_back(run.cpuMs);
  return times;
}

// "121" when every run's job saw the same number of processes, else every distinct number.
std::string ProcessCounts(const std::vector<TimedRun>& runs) {
  std::set<unsigned long> counts;
  for (const TimedRun& run : runs) counts.insert(run.processes);
  std::string text;
  for (unsigned long count : counts) text += (text.empty() ? "" : ",") + std::to_string(count);
  return text.empty() ? "-" : text;
}

bool CountsEqual(const CaseMeasurement& c) {
  const int expected = c.expected.Total();
  if (static_cast<int>(c.simulated.size()) != expected) return false;
  if (c.traced.roots != 1 || static_cast<int>(c.traced.children.size()) != expected) return false;
  if (c.traced.started != expected || c.stubLaunches != c.expected.StubLaunches()) return false;
  for (const auto* runs : {&c.timed.program, &c.timed.replay}) {
    for (const TimedRun& run : *runs) {
      if (static_cast<int>(run.processes) != c.expected.JobProcesses()) return false;
    }
  }
  return c.sameCommandLines && c.timed.error.empty();
}

bool ExitCodesZero(const CaseMeasurement& c) {
  if (c.tracedExitCode != 0) return false;
  for (const TimedRun& run : c.timed.program) {
    if (run.exitCode != 0) return false;
  }
  return true;
}

void WriteCounts(std::ostream& out, const std::vector<CaseMeasurement>& cases) {
  out << "### Child processes\n\n"
      << "| check | runtimes on PATH | expected (rules) | simulated machine | under Wine (trace) "
         "| same command lines | stub launches (expected) | job processes, program / replay "
         "(expected) | equal |\n"
      << "|---|---:|---:|---:|---:|---|---:|---|---|\n";
  for (const CaseMeasurement& c : cases) {
    out << "| type=" << CheckName(c.check) << " | " << c.runtimes << " | " << c.expected.Total()
        << " | " << c.simulated.size() << " | " << c.traced.children.size() << " | "
        << (c.sameCommandLines ? "yes" : "NO") << " | " << c.stubLaunches << " ("
        << c.expected.StubLaunches() << ") | " << ProcessCounts(c.timed.program) << " / "
        << ProcessCounts(c.timed.replay) << " (" << c.expected.JobProcesses() << ") | "
        << (CountsEqual(c) ? "yes" : "**NO**") << " |\n";
  }
  out << "\n";
  for (const CaseMeasurement& c : cases) {
    if (!c.firstDifference.empty()) {
      out << "- type=" << CheckName(c.check) << ", " << c.runtimes
          << " runtimes, first difference: " << c.firstDifference << "\n";
    }
    if (!c.timed.error.empty()) out << "- stopwatch: " << c.timed.error << "\n";
    if (!ExitCodesZero(c)) {
      out << "- type=" << CheckName(c.check) << ", " << c.runtimes
          << " runtimes: a run ended with an exit code other than 0\n";
    }
  }
}

void WriteOverhead(std::ostream& out, const std::vector<CaseMeasurement>& cases, int pairs) {
  out << "### Own overhead: wall time of the program / wall time of the replay of its children\n\n"
      << "Median of " << pairs << " alternating pairs; target at most "
      << Format("%.2f", kOverheadTarget) << ".\n\n"
      << "| check | runtimes | children | ratio, median | ratio, min - max | within target "
         "| program, median ms | replay, median ms | difference, median ms | replay ms per "
         "child | own CPU ms, program / replay |\n"
      << "|---|---:|---:|---:|---|---|---:|---:|---:|---:|---|\n";
  for (const CaseMeasurement& c : cases) {
    const std::vector<double> ratios = Ratios(c.timed);
    double low = ratios.empty() ? 0 : ratios[0];
    double high = low;
    for (double ratio : ratios) {
      low = std::min(low, ratio);
      high = std::max(high, ratio);
    }
    std::vector<double> differences;
    for (std::size_t i = 0; i < c.timed.program.size() && i < c.timed.replay.size(); ++i) {
      differences.push_back(c.timed.program[i].ms - c.timed.replay[i].ms);
    }
    const double ratio = Median(ratios);
    const double replay = Median(Times(c.timed.replay));
    out << "| type=" << CheckName(c.check) << " | " << c.runtimes << " | " << c.expected.Total()
        << " | " << Format("%.3f", ratio) << " | " << Format("%.3f", low) << " - "
        << Format("%.3f", high) << " | " << (ratio <= kOverheadTarget ? "yes" : "**no**") << " | "
        << Format("%.0f", Median(Times(c.timed.program))) << " | " << Format("%.0f", replay)
        << " | " << Format("%+.0f", Median(differences)) << " | "
        << Format("%.0f", replay / std::max(1, c.expected.Total())) << " | "
        << Format("%.0f", Median(CpuTimes(c.timed.program))) << " / "
        << Format("%.0f", Median(CpuTimes(c.timed.replay))) << " |\n";
  }
  out << "\n";
}

void WriteGrowth(std::ostream& out, const std::vector<CaseMeasurement>& cases) {
  out << "### Growth with the number of runtimes\n\n"
      << "Least-squares lines through the medians of each check: time = intercept + slope x "
         "children.\n\n"
      << "| check | program: intercept ms, slope ms/child | replay: intercept ms, slope ms/child "
         "| difference: intercept ms, slope ms/child |\n"
      << "|---|---|---|---|\n";
  for (const Check check : {Check::Jre, Check::Jdk}) {
    std::vector<double> children, program, replay, difference;
    for (const CaseMeasurement& c : cases) {
      if (c.check != check) continue;
      children.push_back(c.expected.Total());
      program.push_back(Median(Times(c.timed.program)));
      replay.push_back(Median(Times(c.timed.replay)));
      difference.push_back(program.back() - replay.back());
    }
    if (children.size() < 2) continue;
    const Line p = FitLine(children, program);
    const Line r = FitLine(children, replay);
    const Line d = FitLine(children, difference);
    out << "| type=" << CheckName(check) << " | " << Format("%.0f", p.intercept) << ", "
        << Format("%.1f", p.slope) << " | " << Format("%.0f", r.intercept) << ", "
        << Format("%.1f", r.slope) << " | " << Format("%+.0f", d.intercept) << ", "
        << Format("%+.2f", d.slope) << " |\n";
  }
  out << "\n";
}

std::string RunList(const std::vector<TimedRun>& runs) {
  std::string text;
  for (const TimedRun& run : runs) text += (text.empty() ? "" : " ") + Format("%.0f", run.ms);
  return text;
}

unsigned long MostLingering(const std::vector<TimedRun>& runs) {
  unsigned long most = 0;
  for (const TimedRun& run : runs) most = std::max(most, run.lingering);
  return most;
}

void WriteRawRuns(std::ostream& out, const std::vector<CaseMeasurement>& cases) {
  out << "### Every timed run\n\n"
      << "Milliseconds in pair order (pairs alternate which runs first); lingering: the most "
         "processes of the run's job still running when the run's own process ended.\n\n"
      << "| check | runtimes | program ms | replay ms | lingering, program / replay |\n"
      << "|---|---:|---|---|---|\n";
  for (const CaseMeasurement& c : cases) {
    out << "| type=" << CheckName(c.check) << " | " << c.runtimes << " | "
        << RunList(c.timed.program) << " | " << RunList(c.timed.replay) << " | "
        << MostLingering(c.timed.program) << " / " << MostLingering(c.timed.replay) << " |\n";
  }
  out << "\n";
}

}  // namespace

bool AllCountsEqual(const std::vector<CaseMeasurement>& cases) {
  for (const CaseMeasurement& c : cases) {
    if (!CountsEqual(c) || !ExitCodesZero(c)) return false;
  }
  return true;
}

void WriteReport(std::ostream& out, const std::vector<CaseMeasurement>& cases, int pairs) {
  WriteCounts(out, cases);
  WriteOverhead(out, cases, pairs);
  WriteGrowth(out, cases);
  WriteRawRuns(out, cases);
}

}  // namespace ravel::bench
