#pragma once
// The one encoder: a design record's property blob is its class's blob order
// (blob_orders.h) with, for each id, the value the record gives for it
// (record_values.h).
#include <cstdint>
#include <vector>
#include "framework/properties.h"
#include "mainwindow/layout/blob_orders.h"
#include "mainwindow/layout/design_records.h"
#include "mainwindow/layout/record_values.h"

namespace fin_main::layout {

using Blob = std::vector<uint8_t>;

template <class Design>
  requires requires(const Design& d) {
    OrderOf(d);
    ValueOf(d, 0);
  }
Blob Encode(const Design& d) {
  fw::BlobWriter w;
  for (int id : OrderOf(d)) w.Add(id, ValueOf(d, id));
  return w.bytes();
}

}  // namespace fin_main::layout
