#pragma once

// Makes "Tahoma", the face the layout table was measured in, one the font mapper can choose.
// Windows has it. Wine ships a Tahoma of its own, with the same widths, in its data folder, but
// Debian's Wine does not load the fonts there: in a fresh prefix the mapper falls back to
// whatever sans-serif face the machine holds, wider, and the labels run into the boxes beside
// them. There the program adds Wine's Tahoma for itself alone. Called before the first font
// asking for Tahoma is made: Wine keeps the face it chose for a request and gives it again.
void ZapewnijTahome();
