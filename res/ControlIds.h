/* Identifiers of the main dialog template and its controls, shared by the .rc
   files and the C++ code. The type, job and attribute controls are numbered
   consecutively, so the code may count from the first of each run. */
#pragma once

#define IDD_MAIN_DIALOG 101

#define IDC_HEADER_LIST 1000
#define IDC_SKILL_LIST 1001

#define IDC_TYPE_GROUP 1002
#define IDC_JOB_GROUP 1003
#define IDC_ATTRIBUTE_GROUP 1004
#define IDC_TOTAL_GROUP 1005
#define IDC_FILE_GROUP 1006

#define IDC_TYPE_FIRST 1007 /* type index i is IDC_TYPE_FIRST + i */
#define IDC_TYPE_BUNNY 1007
#define IDC_TYPE_BUFFALO 1008
#define IDC_TYPE_SHEEP 1009
#define IDC_TYPE_DRAGON 1010
#define IDC_TYPE_FOX 1011
#define IDC_TYPE_LION 1012
#define IDC_TYPE_CAT 1013
#define IDC_TYPE_RACCOON 1014

#define IDC_JOB_FIRST 1015 /* job button i is IDC_JOB_FIRST + i */
#define IDC_JOB_BASIC 1015
#define IDC_JOB_RANK1 1016
#define IDC_JOB_RANK2H 1017
#define IDC_JOB_RANK2S 1018

#define IDC_ATTRIBUTE_FIRST 1019 /* attribute box i is IDC_ATTRIBUTE_FIRST + i */
#define IDC_ATTRIBUTE_WATER 1019
#define IDC_ATTRIBUTE_WIND 1020
#define IDC_ATTRIBUTE_EARTH 1021
#define IDC_ATTRIBUTE_FIRE 1022
#define IDC_ATTRIBUTE_THUNDER 1023
#define IDC_ATTRIBUTE_LIGHT 1024
#define IDC_ATTRIBUTE_DARK 1025

#define IDC_TOTAL_LABEL 1026
#define IDC_RESET_BUTTON 1027
#define IDC_LOAD_BUTTON 1028
#define IDC_SAVE_BUTTON 1029
