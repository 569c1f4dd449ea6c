// Times of the journal as text, in UTC whatever the machine's zone.
#pragma once

#include <cstdint>
#include <string>

namespace lintra::journal {

// ISO 8601 with milliseconds: "2026-12-08T02:45:39.123Z".
std::string IsoUtc(std::int64_t utcMs);
// For file names, to the second: "20261208T024539Z".
std::string CompactUtc(std::int64_t utcMs);

}  // namespace lintra::journal
