#pragma once

// What the progress line needs to know of standard error; each platform answers in a source
// file of its own.

// Whether standard error is a terminal (and not a file or a pipe).
bool BledyNaTerminal();

// The terminal's width in columns; 80 when it does not say.
int SzerokoscTerminala();
