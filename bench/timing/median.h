#pragma once
// The figures the timing and shot programs report: medians of repeated runs, in milliseconds.
#include <QElapsedTimer>
#include <algorithm>
#include <vector>

namespace nvbench {

inline double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

}  // namespace nvbench
