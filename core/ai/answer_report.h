#pragma once

#include <string>
#include <vector>

// What a pasted AI answer could not use as it stood, shown once at the end
// of the paste instead of one box per problem.
namespace MyAI {

class AnswerReport {
public:
    void note(const std::string& problem) { problems.push_back(problem); }
    bool empty() const { return problems.empty(); }
    const std::vector<std::string>& get_problems() const { return problems; }

    // Nothing was added: an information box with the reason and the problems.
    void show_nothing_added(const std::string& reason) const;
    // Something was added: a warning box listing the problems, if any.
    void show_if_any() const;

private:
    std::string problem_lines() const;
    std::vector<std::string> problems;
};

// How records are named in the report: kind and sentence words, e.g.
// "requirement 'withstand forced entry'".
std::string record_label(const std::string& kind, const std::string& verb, const std::string& capability);

}  // namespace MyAI
