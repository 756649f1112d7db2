#pragma once

// The files built into the program: its icon and its help pages.
namespace ProgramResources {
// Registers them; safe to call more than once. They sit in a static library, whose registration the
// linker would leave out because nothing names it.
void load();
} // namespace ProgramResources
