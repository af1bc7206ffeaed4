#include "core/model/process_state.h"

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"

void reset_process_state() {
    delete GCC::RP;
    GCC::RP = nullptr;
    Node::_instancecounter = 0;
    ReadinessLevel::_reqd_lvl = 1;
    Parameter::reset_poss_parameters();
}
