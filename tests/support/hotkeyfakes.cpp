// Compiles the header-only fakes of the keyboard services with the support library, so a mistake in
// them shows in every build, not only in the first test that includes them.
#include "support/fakeglobalhotkeys.h"
#include "support/fakekeyboardstate.h"
