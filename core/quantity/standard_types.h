#pragma once

#include <vector>

#include "core/quantity/poss_par.h"

// The twelve built-in quantity types, in table order.
std::vector<PossPar> standard_quantity_types();
