#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Orders listed changes by one column, as a click on its header does: cells that are numbers
// (decimal, "0x" or "$" hex, negative too) by value and before any text, texts alphabetically
// without regard to case; rows that tie keep their order, so a second sort refines the first.
void SortChangeRows(std::vector<std::vector<std::string>>& rows, std::size_t column, bool ascending);
