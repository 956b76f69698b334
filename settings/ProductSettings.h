#pragma once
#include "settings/ProductKey.h"
#include <string>

// The stored state the main window shows when it opens: the two numbers as
// decimal text (a negative one with its minus sign), the unit list's index
// (anything that names no item stands for no selection) and the position in
// the interface box. No value is range-checked.
struct StoredWindowSettings {
    std::string checkPeriod;
    std::string accelerateFirst;
    int unitIndex;
    int network;
};

// All four from one opening of the key.
StoredWindowSettings ReadWindowSettings();

// Stores the texts of the two edit boxes converted as atoi converts them,
// and the unit list's selection (-1 for none, kept as 0xFFFFFFFF). False when
// the key cannot be created for writing; nothing is stored then.
bool SaveWindowSettings(const std::string& checkPeriod, int unitIndex, const std::string& accelerateFirst);

// A flag of the tray menu: any nonzero value reads as set.
bool ReadProductFlag(const ProductValue& value);

// Inverts flag, then stores it as 1 or 0. The flag stays inverted when the
// key cannot be written; the result says whether it was stored.
bool ToggleProductFlag(const ProductValue& value, bool& flag);
