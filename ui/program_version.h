// The version of the programs: the About window shows it, and every
// program's --version prints it.
#pragma once

// A macro, so that the About window's caption is one string literal.
#define NIMBREL_VERSION "1.5"
