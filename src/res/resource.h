// Identifiers of Glimmora's resources, shared by Glimmora.rc and the C++ code.
// Plain integer literals only, so that rc.exe and windres read them too. The GLM_
// prefix keeps them clear of winuser.h (which has its own IDC_SIZE, for example).
#pragma once

// Dialog templates
#define GLM_IDD_ABOUTBOX 100
#define GLM_IDD_MAIN 102
#define GLM_IDD_PANEL 129
#define GLM_IDD_POINTER 130
#define GLM_IDD_PROPERTIES 131

// Icon, strings, system-menu command
#define GLM_IDI_APP 128
#define GLM_IDS_ABOUTBOX 101
#define GLM_IDM_ABOUTBOX 0x0010

// A control that is never addressed
#define GLM_IDC_STATIC (-1)

// About box (template 100)
#define GLM_IDC_VERSION 111
#define GLM_IDC_LINK 1000

// Control panel (template 129)
#define GLM_IDC_ONOFF 1002
#define GLM_IDC_PROPERTIES 1004

// Properties dialog (template 131). The radio groups count in template order,
// which is not the order of these numbers (see the size buttons).
#define GLM_IDC_RIPPLE 1001
#define GLM_IDC_COLOR_YELLOW 1006
#define GLM_IDC_COLOR_PURPLE 1007
#define GLM_IDC_COLOR_RED 1008
#define GLM_IDC_COLOR_GREEN 1009
#define GLM_IDC_TRANS_SLIDER 1010
#define GLM_IDC_SHAPE_CIRCLE 1011
#define GLM_IDC_SHAPE_RING 1012
#define GLM_IDC_SIZE_20 1013
#define GLM_IDC_SIZE_60 1014
#define GLM_IDC_SIZE_80 1015
#define GLM_IDC_SIZE_40 1016
#define GLM_IDC_COLOR_BLUE 1018
#define GLM_IDC_SIZE_100 1019
#define GLM_IDC_SIZE_150 1020
#define GLM_IDC_HOTKEY_FIELD 1021
#define GLM_IDC_DUPLICATE 1022
#define GLM_IDC_HOTKEY_ENABLED 1023
#define GLM_IDC_BLINK_ENABLED 1024
#define GLM_IDC_BLINK_PERIOD 1025
#define GLM_IDC_TRIG_ALWAYS 1026
#define GLM_IDC_TRIG_CTRL 1027
#define GLM_IDC_TRIG_ALT 1028
#define GLM_IDC_COLOR_LIGHTBLUE 1029
#define GLM_IDC_MOUSEMON 1033
