#pragma once

#include <vector>

#include <pugixml.hpp>

#include "core/io/xml_values.h"

// The customised parts of the process-wide quantity-type table in the project
// file: the active units of the standard types ("PPA"), the custom types with
// their units ("PPN") and the custom units of standard types ("PPU").
namespace project_file {

// Appends the "PPA", "PPN" and top-level "PPU" elements, in this order.
void write_quantity_types(pugi::xml_node root);

// Adds the custom types and units of the file to the table (which the caller
// has reset), then applies the active flags of the "PPA" elements, so that
// flags of custom units of standard types find their units. Elements are
// the root's, in document order; those of other names are passed over.
void read_quantity_types(const std::vector<pugi::xml_node>& elements, ReadReport& report);

}  // namespace project_file
