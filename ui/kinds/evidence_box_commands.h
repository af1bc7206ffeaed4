#pragma once

// The Evidence box: the subject, verb and quantity commands it shares with
// the other phrased objects, its readiness level (from the menu or a click on
// its readiness picture) and its edit dialog.
namespace kinds {

void install_evidence_commands();

}  // namespace kinds
