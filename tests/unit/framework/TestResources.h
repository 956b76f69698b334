#pragma once
// Resource ids of the framework tests' own dialogs.

// A dialog with one control of each kind that data exchange binds, and init
// data for its list.
#define IDD_EXCHANGE     200
#define IDC_NAME         201
#define IDC_LABEL        202
#define IDC_UNIT         203
#define IDC_PRESS        204

// A dialog whose template is not visible, for the modal loop.
#define IDD_LOOP         210
#define IDC_LOOP_EDIT    211
#define IDC_LOOP_OTHER   212

// Ids that no resource uses.
#define IDD_MISSING      299
#define IDC_MISSING      298
