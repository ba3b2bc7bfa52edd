#pragma once

#include <optional>

// The enabled state of the album window's commands, worked out from the list
// and the record count. An empty optional means "leave as it is".
struct CommandFlags {
    bool canAdd = true;
    bool canRemove = true;
    bool canRename = true;
};

struct ControlStates {
    std::optional<bool> addButton;          // 1000: only ever disabled
    bool removeRenameButtons = false;       // 1001, 1002
    bool moveUpButton = false;              // 1003
    bool moveDownButton = false;            // 1004
    CommandFlags flags;                     // the new m_canAdd, m_canRemove, m_canRename
    bool updateMenu = false;                // menu items 32780, 32777, 32778 follow flags
};

// selection is the list position of the selected item, or -1.
ControlStates ComputeControlStates(int itemCount, int selection, int recordCount,
                                   const CommandFlags &current);
