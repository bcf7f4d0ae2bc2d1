#pragma once

// The framework tests' dialog template and its controls.
#define IDD_UI_CONTROLS 100
#define IDC_UI_RADIO_FIRST 201
#define IDC_UI_RADIO_SECOND 202
#define IDC_UI_RADIO_HIDDEN 203
#define IDC_UI_RADIO_STANDARD 204
#define IDC_UI_CHECK_IN_RADIO_GROUP 205
#define IDC_UI_RADIO_THIRD 206
#define IDC_UI_RADIO_SOLO 207
#define IDC_UI_CHECK_FIRST 211
#define IDC_UI_CHECK_SECOND 212
#define IDC_UI_PUSH 221
#define IDC_UI_STATIC 231
#define IDC_UI_GROUP 241
