#pragma once

// Vertical placement of a text block relative to its anchor.
enum class TextYAlignment : int { Top = 0, Middle = 1, Bottom = 2 };
