// Ending the process from inside start-up (a refused log-in, a second instance) goes
// through one replaceable hook, so that tests see the exit code instead of ending.
#pragma once

using ShellExitHook = void (*)(int code);

// Ends the process with code through the current hook (the C library's exit by default).
void ShellExitProcess(int code);
// Makes hook current; null restores the default.
void SetShellExitHook(ShellExitHook hook);

// Switches the process to no fault error box, so that a start-up that ends early never
// stops on a crash dialog of the platform (nothing to switch off the platform).
void SuppressFaultErrorBoxes();
