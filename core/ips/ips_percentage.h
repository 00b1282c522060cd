#pragma once

#include <cstdint>

// The share of the comparison done, as the progress window shows it: bytesDone × 100 /
// totalBytes in whole numbers, 0 while the total is 0.
std::int32_t IpsPercentage(std::int32_t bytesDone, std::int32_t totalBytes);
