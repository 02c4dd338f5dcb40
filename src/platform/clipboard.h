// The desktop's clipboard, as the program's texts see it.
#pragma once

#include "platform/str255.h"

// Replaces the clipboard's content with the text, as plain UTF-8 text that
// every program can paste.
void PutTextToClipboard(const Str255& text);

// The first text the clipboard offers, in the order it offers its formats
// (UTF-16 text, UTF-8 text, plain text, any other text), converted to
// Mac OS Roman. False when it holds no text, or more than 255 bytes of it.
bool GetTextFromClipboard(Str255& text);
