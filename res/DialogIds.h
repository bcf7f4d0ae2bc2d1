/* Identifiers of the overview, comparison and About dialog templates and their
   controls, shared by the .rc files and the C++ code. */
#pragma once

#define IDD_OVERVIEW_DIALOG 120
#define IDC_OVERVIEW_LABEL_FIRST 1101 /* figure i's label is IDC_OVERVIEW_LABEL_FIRST + i */
#define IDC_OVERVIEW_VALUE_FIRST 1111 /* figure i's value is IDC_OVERVIEW_VALUE_FIRST + i */
#define IDC_OVERVIEW_FIGURE_COUNT 4
#define IDC_OVERVIEW_ITEMS 1120
#define IDC_OVERVIEW_COPY 1121

#define IDD_ABOUT_DIALOG 121
#define IDC_ABOUT_NAME 1201
#define IDC_ABOUT_VERSION 1202
#define IDC_ABOUT_SKILLS 1203
#define IDC_ABOUT_DROPPED 1204
#define IDC_ABOUT_HINT 1205

#define IDD_COMPARE_DIALOG 122
#define IDC_COMPARE_HEADING_CURRENT 1301
#define IDC_COMPARE_HEADING_OTHER 1302
/* The figures: column c (the labels, both plans' values, the differences) is
   IDC_COMPARE_FIGURES_FIRST + c, a line for the titles and one per figure. */
#define IDC_COMPARE_FIGURES_FIRST 1310
#define IDC_COMPARE_FIGURE_COLUMNS 4
#define IDC_COMPARE_NO_DIFFERENCE 1330
#define IDC_COMPARE_SKILLS 1331
#define IDC_COMPARE_ITEMS 1332
#define IDC_COMPARE_COPY 1333
