#pragma once

// The C library's atoi, spelled out so that its result is defined for every
// text: leading white space is skipped, one optional sign is taken, then
// decimal digits up to the first other character; no digit gives 0. A number
// beyond the signed 32-bit range gives INT_MAX or INT_MIN, as the platform's
// own atoi does.
int DecimalTextToInt(const char* text);
