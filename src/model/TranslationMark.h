// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks an English text for translation where it is written, in code that knows nothing of Qt:
// the window translates it in `context` (lupdate reads the mark as QT_TRANSLATE_NOOP).
#define ORDALUNE_TRANSLATE(context, text) text
