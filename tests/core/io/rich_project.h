#pragma once

#include <string>

class Project;

namespace io_testing {

// Uids of the objects of the rich project that the tests look at.
struct RichProject {
    Project* project;
    std::string story_open;
    std::string story_close;
    std::string length_argument;   // evidence 1.0014 km against at most 1.0011 km
    std::string mass_option;       // evidence motor 2 kg, motor 4 kg, frame 10 kg
    std::string derived_requirement;  // shares its pair with the requirement it refines
    std::string close_requirement;
};

// A project that uses every part of the file: several stories, the mandate,
// functional, range, goal and custom-type requirements, sibling design
// problems with integration requirements, sub-options, validating and
// invalidating arguments, derived requirements with their own problem,
// evidence with levels and subjects of their own, comments, references,
// tooltips, a custom type, custom units with inactive units, and settings
// other than the defaults. Becomes the current project; one full undo state
// ends the construction.
RichProject build_rich_project();

}  // namespace io_testing
