#pragma once
#define IDD_MINIMAL_MAIN 190
