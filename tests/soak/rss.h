// Resident memory of this process, for the "memory stays flat" checks.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace lintra::soak {

// The highest resident size so far, in kB.
inline long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The resident size now, in kB (0 where /proc is missing).
inline long CurrentRssKb() {
  long pages = 0, resident = 0;
  if (std::FILE* file = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(file, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(file);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace lintra::soak
