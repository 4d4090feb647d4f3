#pragma once

#include "core/Behavior.h"

#include <string>

// The editor's messages (EditorState::Messages) on a dark band across the top of the
// window, above the palettes and dialogs: its "Band" and "Text" children draw on the
// last two layers, "Editor2" and "EditorText2". The text wraps to the window width
// less the margins, and the band grows to hold it. Ctrl+M shows the last twenty
// instead, newest first, until pressed again or the editor closes.
// Shown with the editor closed too, since a question about quitting can still fail.
class EdMessageBarBhv : public Behavior {
public:
    void HandleInput() override;
    void Update() override;

    void ToggleHistory() { IsShowingHistory = !IsShowingHistory; }
    // What the bar shows now: the messages on screen, or the history; "" for nothing.
    std::string ShownText() const;

    bool IsShowingHistory = false;
    // Window pixels between the band and the window's sides and top, and between the
    // band's edge and its text.
    float Margin = 16.0f;
    float Padding = 8.0f;
};
