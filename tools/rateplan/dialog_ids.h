#pragma once
// Resource ids of the calculator dialog, shared by the resource script and
// the code that drives it.

#define IDD_RATEPLAN 100
#define IDC_RATE_DURATION 101
#define IDC_RATE_SIZE 102
#define IDC_RATE_AUDIO 103
#define IDC_RATE_RESULT 104
