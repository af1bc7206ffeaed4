#pragma once

#include <cstdint>
#include <string>

#include "ui/dialogs/input_dialog.h"

class Argument;

namespace kinds {

// What a new requirement, goal or evidence below an argument starts from: the
// statement of the requirement the argument is about (its verb denied when
// the argument invalidates), with that requirement's quantity when it has one.
struct DerivedPreset {
    std::string verb;
    std::string capability;
    std::string type_name;
    dialogs::QuantitySeed quantity;
};

DerivedPreset derived_preset(const Argument& argument);

// "a gate": the argument's subject with its indefinite article, for the prompts.
std::string subject_with_article(const Argument& argument);

}  // namespace kinds
