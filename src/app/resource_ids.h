// Identifiers of the resources in tunelet.rc.
#pragma once

#define IDI_TUNELET 1
#define IDR_BACKGROUND 2
#define IDD_INPUT_BOX 100
#define IDC_INPUT_PROMPT 101
#define IDC_INPUT_TEXT 102
