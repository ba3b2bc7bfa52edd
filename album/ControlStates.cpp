#include "album/ControlStates.h"

#include "album/PhotoRecord.h"

ControlStates ComputeControlStates(int itemCount, int selection, int recordCount,
                                   const CommandFlags &current)
{
    ControlStates states;
    states.flags = current;
    if (itemCount > 0) {
        states.removeRenameButtons = true;
        states.flags.canRemove = true;
        states.flags.canRename = true;
        // Without a selection the Add button and the menu are left alone.
        if (selection < 0)
            return states;
        states.moveUpButton = selection != 0;
        states.moveDownButton = selection != itemCount - 1;
    } else {
        states.flags.canRemove = false;
        states.flags.canRename = false;
    }
    // Slots are never freed during a run, so once full the Add button stays disabled.
    if (recordCount >= kMaxRecords) {
        states.addButton = false;
        states.flags.canAdd = false;
    } else {
        states.flags.canAdd = true;
    }
    states.updateMenu = true;
    return states;
}
