#pragma once

// Puts the process-wide model state back to program start: no current project
// (the current one is deleted), uid counter 0, required readiness level 1 and
// the twelve standard quantity types only. For test fixtures and tools.
void reset_process_state();
