#pragma once
// Moving values between members and dialog controls, in both directions.
#include <windows.h>

#include <string>

struct DataExchange {
    HWND dialog;
    bool saveAndValidate;  // true: controls -> members
    bool failed = false;
};

// A radio group: the button `firstId` and the radio buttons after it in template order, up to the
// next control that starts a group. The value is the index in that order, whatever the identifiers.
// Towards the controls an out-of-range value leaves none selected; from them, none selected gives -1.
void DdxRadio(DataExchange& dx, int firstId, int& value);

// Towards the control a value outside 0..2 is first reset to 0; from it, ticked reads as 1.
void DdxCheck(DataExchange& dx, int id, int& value);
void DdxCheck(DataExchange& dx, int id, bool& ticked);

// A trackbar's position; the trackbar clamps it into its range.
void DdxSlider(DataExchange& dx, int id, int& value);

void DdxText(DataExchange& dx, int id, std::wstring& value);

// From the controls only: marks the exchange failed when value lies outside min..max.
void DdvMinMaxInt(DataExchange& dx, int value, int min, int max);
