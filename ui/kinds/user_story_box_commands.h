#pragma once

// The User Story box: the story's description, the mandate, and the
// top-level requirements and goals derived from or defined for the story;
// the double click edits subject, verb, capability, description and the
// story's one reference.
namespace kinds {

void install_user_story_commands();

}  // namespace kinds
