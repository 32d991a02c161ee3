#pragma once

// Whether the focused text has a selection, as far as the accessibility interface can tell.
enum class SelectionState { selected, empty, unknown };

// Answers whether anything is selected before a copy is attempted.
class SelectionStateSource {
public:
    virtual ~SelectionStateSource() = default;
    virtual SelectionState selectionState() = 0;
};

// For a desktop whose accessibility interface cannot tell: every copy is attempted.
class UnknownSelectionState final : public SelectionStateSource {
public:
    SelectionState selectionState() override { return SelectionState::unknown; }
};
