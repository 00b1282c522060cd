#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/compare/image_changes.h"
#include "core/patch/byte_span.h"
#include "core/tables/table_fields.h"

// Differing stretches this close together (at most this many equal bytes between them)
// are listed as one.
constexpr std::size_t kStretchJoinGap = 16;

// Compares two images by their ROM data (the bytes after any copier header), so an image
// with a header and one without compare alike. A byte one image holds and the other lacks
// differs.
ImageChanges CompareImages(ByteSpan uneditedRom, ByteSpan editedRom);

// One table's ROM bytes in two images.
struct TableBytes {
  const std::uint8_t* before;
  const std::uint8_t* after;
};

// The same tables decoded from each image, in ROM order.
struct TablesBeforeAndAfter {
  const GameTables& before;
  const GameTables& after;
};

// Appends the changed fields of one table, record by record, as CompareImages lists them.
void AddTableChanges(const KnownTable& table, const TableBytes& bytes, const TablesBeforeAndAfter& tables,
                     std::vector<FieldChange>& changes);
