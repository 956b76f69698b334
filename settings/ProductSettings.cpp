#include "settings/ProductSettings.h"
#include "framework/Format.h"
#include "settings/DecimalText.h"

StoredWindowSettings ReadWindowSettings()
{
    const CProductKeyReader key;
    // The values are signed numbers kept in REG_DWORDs as their two's complement.
    StoredWindowSettings stored;
    stored.checkPeriod = Format("%d", static_cast<int>(key.Read(kCheckPeriodNum)));
    stored.accelerateFirst = Format("%d", static_cast<int>(key.Read(kAccelerateN)));
    stored.unitIndex = static_cast<int>(key.Read(kCheckPeriodCombo));
    stored.network = static_cast<int>(key.Read(kNetwork));
    return stored;
}

bool SaveWindowSettings(const std::string& checkPeriod, int unitIndex, const std::string& accelerateFirst)
{
    const CProductKeyWriter key;
    if (!key.IsOpen())
        return false;
    const bool period = key.Write(kCheckPeriodNum, static_cast<DWORD>(DecimalTextToInt(checkPeriod.c_str())));
    const bool unit = key.Write(kCheckPeriodCombo, static_cast<DWORD>(unitIndex));
    const bool first = key.Write(kAccelerateN, static_cast<DWORD>(DecimalTextToInt(accelerateFirst.c_str())));
    return period && unit && first;
}

bool ReadProductFlag(const ProductValue& value)
{
    return ReadProductValue(value) != 0;
}

bool ToggleProductFlag(const ProductValue& value, bool& flag)
{
    flag = !flag;
    return WriteProductValue(value, flag ? 1 : 0);
}
