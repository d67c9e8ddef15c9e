#pragma once

// The template IDD_PLAYER_ENTRY: one check box and one name field for each
// of four player slots, an OK button and a line of guidance.

#include "platform/Dialog.h"

const DialogTemplate& PlayerEntryTemplate();
