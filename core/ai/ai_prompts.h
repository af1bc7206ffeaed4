#pragma once

#include <string>

class DesignProblem;
class Requirement;

// The prompts that the design problem and requirement boxes put on the
// clipboard for an outside AI assistant.
namespace GCC {

// The problem's question, a line feed, then the answer schema for solutions.
std::string compose_dpr_ai_prompt(const DesignProblem& design_problem);

// The requirement taken as an assumption, then the schema for conditions,
// evidence and new quantity types, with the quantity types known now.
std::string compose_req_ai_prompt(const Requirement& requirement);

}  // namespace GCC
