#pragma once

#include <cstdint>
#include <vector>

#include "dc_state.h"
#include "emf_record.h"

// A device context as a metafile's records leave it: its state, what SAVEDC kept and the
// object table. Whoever reads a metafile's drawing (the PDF translator, the page measure)
// follows the same state through here.
struct DcTrack {
  DcState dc;
  std::vector<DcState> saved;
  std::vector<GdiObject> objects;

  DcTrack() { dc.font = StockObject(13).font; }
  // Applies a record that changes only the state or the object table (the mapping against
  // `device`); false, changing nothing, for every other record.
  bool Play(const EmfRecord& record, const EmfHeader& device);
  // The table's object or the stock object `index` names (into `stock`); nullptr for none.
  const GdiObject* Object(std::uint32_t index, GdiObject& stock) const;

 private:
  bool PlayState(const EmfRecord& record, const EmfHeader& device);
  bool PlayObject(const EmfRecord& record);
};

// Whether records of `type` start with their bounds (rclBounds) after type and size.
bool HasBounds(std::uint32_t type);
