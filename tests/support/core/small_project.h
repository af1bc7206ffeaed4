#pragma once

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"

namespace testing_support {

// A project with one story "A gate is needed that opens remotely.", its
// mandate (required level 1) and one functional top-level requirement R with
// one design problem D. Tests add what they need below D.
struct SmallProject {
    SmallProject() {
        project = new Project("Gate", "manage access");
        story = project->add_user_story("open", "remotely", "gate", "", false);
        mandate = story->add_mandate("", 1, false);
        r = mandate->add_f_requirement(story, true);
        d = r->add_designproblem();
    }

    // A validating argument of option about requirement with one evidence.
    Evidence* prove(Option* option, Requirement* requirement, int level) {
        Argument* a = option->add_child_argument(requirement, true);
        return a->add_child_evidence(level, requirement->get_verb_cap()->get_verb(),
                                     requirement->get_verb_cap()->get_capability(), 0u, 0.0, 0, 3, "");
    }

    Project* project;
    UserStory* story;
    Mandate* mandate;
    Requirement* r;
    DesignProblem* d;
};

}  // namespace testing_support
