#pragma once

// Horizontal placement of a text line relative to its anchor.
enum class TextXAlignment : int { Left = 0, Center = 1, Right = 2 };
