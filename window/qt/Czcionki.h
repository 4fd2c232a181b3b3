#pragma once

#include <QFont>

// Debian's fonts-wine puts a Tahoma-compatible face outside fontconfig's folders, so the
// application registers it itself. Without it Tahoma falls back to a common sans-serif face.
void ZarejestrujTahome();

// Tahoma at a character height in pixels (logical pixels: high-DPI screens scale them).
QFont Tahoma(int Piksele);
