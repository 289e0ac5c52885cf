// Identifiers of the library's resources and of the rollout's controls,
// shared by the resource script and the code. They are stored in scenes and
// read by the host through the parameter block: never renumber them.
#pragma once

// Strings
#define IDS_LIB_DESCRIPTION 1
#define IDS_CLASS_NAME 3
#define IDS_PARAMS 4
#define IDS_SUBMAPS 6
#define IDS_ALL_GAMMA 8
#define IDS_ALL_HUE 9
#define IDS_ALL_SAT 10
#define IDS_RND_GAMMA 11
#define IDS_RND_HUE 12
#define IDS_RND_SAT 13
#define IDS_OCC_GAMMA 14
#define IDS_OCC_HUE 15
#define IDS_OCC_SAT 16
#define IDS_RND_BY 17
#define IDS_SEED 18
#define IDS_BLUR 19
#define IDS_FILTERING 20

// The library's manifest: a library's own is resource 2, from which the
// system makes the library's activation context
#define IDR_MANIFEST 2

// The rollout's dialog template and its banner picture
#define IDD_PANEL 101
#define IDB_BANNER 103

// Labels and group boxes, which have no identifier
#define IDC_STATIC -1

// Commands
#define IDC_OPEN_FILES 1001
#define IDC_RELOAD_FILES 1005
#define IDC_BANNER 1007

// Radio buttons
#define IDC_RND_BY_MATERIAL 1002
#define IDC_RND_BY_OBJECT 1003
#define IDC_RND_BY_FACE 1004
#define IDC_FILTER_PYRAMIDAL 1006
#define IDC_FILTER_SUMMED_AREA 1008
#define IDC_FILTER_NONE 1009

// Edit fields and their spinners
#define IDC_ALL_GAMMA_EDIT 1490
#define IDC_ALL_HUE_EDIT 1491
#define IDC_ALL_SAT_EDIT 1492
#define IDC_RND_GAMMA_EDIT 1493
#define IDC_RND_HUE_EDIT 1494
#define IDC_RND_SAT_EDIT 1495
#define IDC_ALL_GAMMA_SPIN 1496
#define IDC_ALL_HUE_SPIN 1497
#define IDC_ALL_SAT_SPIN 1498
#define IDC_RND_GAMMA_SPIN 1499
#define IDC_RND_HUE_SPIN 1500
#define IDC_RND_SAT_SPIN 1501
#define IDC_OCC_GAMMA_EDIT 1502
#define IDC_OCC_GAMMA_SPIN 1503
#define IDC_OCC_HUE_EDIT 1504
#define IDC_OCC_HUE_SPIN 1505
#define IDC_OCC_SAT_EDIT 1506
#define IDC_OCC_SAT_SPIN 1507
#define IDC_SEED_EDIT 1508
#define IDC_SEED_SPIN 1509
#define IDC_BLUR_EDIT 1510
#define IDC_BLUR_SPIN 1511
